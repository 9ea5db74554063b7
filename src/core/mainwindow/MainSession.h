#pragma once
// The main window without its widgets: the database, texts, grids, history, filter, theme and
// view settings, with the start-up, view-menu, export and closing commands. The desktop window
// turns user actions into these calls and shows the state they leave.

#include "database/Flags.h"
#include "database/STheClass.h"
#include "export/HtmlExport.h"
#include "lang/Langs.h"
#include "mainwindow/GridFilter.h"
#include "mainwindow/GridInteraction.h"
#include "mainwindow/MainState.h"
#include "mainwindow/StartupSettings.h"
#include "mainwindow/ThemePalette.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class SettingsStore;

struct ScreenSize {
    int Width = 1280;
    int Height = 1024;
};

// How start-up ended.
struct StartupResult {
    // False: the database could not be loaded; Message says why and no window may open.
    bool Loaded = false;
    std::string Message;
    // The language file was malformed: the caller shows LanguageFileWrongMessage.
    bool LanguageFileWrong = false;
};

// Column titles of a table written in one language, re-spelled in another: each title that is
// a table title of `before` becomes the same slot's title of `after`. Labels follow: the
// record-count text is re-spelled too.
void RetitleTable(GridTable& grid, const Langs& before, const Langs& after);

class MainSession {
  private:
    std::unique_ptr<The_Class> dbHolder_ = std::make_unique<The_Class>();

  public:
    MainSession();
    MainSession(const MainSession&) = delete;
    MainSession& operator=(const MainSession&) = delete;

    The_Class& db;
    Langs langs;
    TableContext ctx;
    GridFilter filter;
    GridInteraction interaction;
    ThemePalette palette;
    FlagImages flags;

    // The folder of the program (data, language, help files, exported pages), ending in '/'.
    std::string ProgramFolder;
    ScreenSize Screen;
    // The font-size choice of this run, written to FontSizeMode on close.
    std::uint8_t ChosenFontSize = 0;
    double StatsScale = 1.0;
    // The enabled state of "Save changes": the only record of unsaved edits. Edit commands set
    // it, a successful save clears it.
    bool SaveChangesEnabled = false;
    // Items of the driver box (ComboBox2).
    std::vector<std::string> DriverBoxItems;
    // SaveViewSettings succeeded when the window closed.
    bool ViewSettingsWritten = false;

    double ZoomFactor() const { return ctx.grid.ZoomFactor; }

    // FormCreate without the widgets: loads the database from programFolder, chooses the zoom
    // and the standard widths for the screen, fills the year lists and the driver box, applies
    // the language and the colour theme. On a failed load nothing else happens.
    StartupResult Start(const std::string& programFolder, ScreenSize screen,
                        const SettingsStore& settings);

    // ---- View menus ------------------------------------------------------------------------
    // Stores the theme and recomputes the palette (dark level, Modern pictures).
    void SetColorTheme(int theme);
    // A theme item 0..4: keeps the Modern style when it is on.
    void ChooseTheme(int themeNumber) {
        SetColorTheme(ThemeMenuChoice(db.ColorTheme, themeNumber));
    }
    void ToggleModern() { SetColorTheme(ModernToggled(db.ColorTheme)); }
    // "Dark Level" item 0..3 ("Normal", "1", "2", "3").
    void ChooseDarkLevel(int item);
    // 0 no line, 1 row lines, 2 column lines, 3 all lines.
    void SetGridLines(int style);
    // "Odd-Even row color": ticked while colouring is on (OddEvenRows 0).
    void ToggleOddEvenRows();
    bool OddEvenRowColour() const { return db.OddEvenRows == 0; }
    // A "Main Form" font size item; nothing changes before the next start. Returns the message
    // to show ("Restart the program").
    std::string ChooseFontSize(FontSizeItem item);
    FontSizeItem ChosenFontSizeItem() const { return FontSizeMenuItem(ChosenFontSize); }
    // A "Driver Window" size (24, 25, 26); the caller rescales open statistics windows.
    StatsWindowResize ChooseStatsWindowSize(std::uint8_t size);
    // "View of Comparing": 0 horizontal (max 3 drivers), 1 vertical.
    void SetCompareView(std::uint8_t view) { db.CompareView = view; }

    // ---- Language --------------------------------------------------------------------------
    // Loads the language of the view settings; a fall-back is stored back into them.
    LanguageLoadResult ApplyLanguage(const SettingsStore& settings);
    // "TR" (mode 0) and "EN" (mode 1): applies the language and rebuilds the tables shown.
    LanguageLoadResult ChooseLanguage(std::uint8_t mode, const SettingsStore& settings);
    // "Extra": the file the user picked (only its name counts; it is looked for in the program
    // folder). Nothing happens for an empty name; otherwise the name is stored in the
    // settings, mode 2 applied and the tables rebuilt.
    std::optional<LanguageLoadResult> ChooseLanguageFile(std::string_view picked,
                                                         SettingsStore& settings);

    // ---- Grids, export ---------------------------------------------------------------------
    // What the cell drawing of a grid reads.
    CellStyleView StyleView(const GridTable& grid) const {
        return CellStyleView{grid, ctx.grid, palette, db.GridLineStyle, db.OddEvenRows};
    }
    // "Copy to new table"; true when the second table was hidden before (the caller splits the
    // table area).
    bool CopyToNewTable();
    void CloseSecondTable();
    // The HTML button: writes the page of tablo1 into the program folder's "html" folder.
    HtmlExportResult ExportHtml() const;
    // Runs a command that builds a table in tablo1 (a producer, back, next, a history item);
    // the new table starts with its first row current and on top.
    void RunTableCommand(const std::function<void(TableContext&)>& command);
    // A double click on a date (GridActionKind::ShowGP): that GP is shown as if picked in the
    // browser, and the row of the clicked record's driver becomes the current row (scrolled
    // into the visibleRows shown). False when the GP cannot be shown.
    bool ShowGPOfAction(const GridAction& action, int visibleRows);
    // A selected row of a list of GPs fills the GP information panel; 0 hides it.
    void ShowGPInfo(std::uint16_t g);
    // "Highlight" in the driver popup: the driver of SelectedRecord becomes the highlighted
    // name, or the highlight is removed when it is that name already.
    void ToggleHighlightOfSelectedDriver();

    // ---- Closing ---------------------------------------------------------------------------
    // FormClose. With unsaved edits `askExitWithoutSave` is asked the "Exit without save?"
    // question; false (No) cancels the closing and writes nothing. Otherwise FontSizeMode
    // takes the font size chosen in this run and the view settings are written into the data
    // file header. Returns whether the window may close.
    bool ConfirmClose(const std::function<bool(const std::string& question)>& askExitWithoutSave);

  private:
    void RebuildAfterLanguageChange(const Langs& before);
};

} // namespace qor
