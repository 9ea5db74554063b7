#include "mainwindow/MainSession.h"

#include "export/TableCopy.h"
#include "mainwindow/DriverCombo.h"
#include "mainwindow/GPBrowser.h"
#include "settings/DataFolder.h"
#include "settings/SettingsStore.h"

namespace qor {

void RetitleTable(GridTable& grid, const Langs& before, const Langs& after) {
    for (int c = 0; c < grid.ColCount(); ++c) {
        const std::string& title = grid.Title(c);
        if (title.empty()) continue;
        for (int s = slot::TitlesFirst; s <= slot::TitlesLast; ++s) {
            if (before.Title(s) != title) continue;
            grid.SetCell(c, 0, after.Title(s));
            break;
        }
    }
    const std::string& oldFound = before.Text(slot::RecordsFound);
    std::string& count = grid.CountLabel;
    if (!oldFound.empty() && count.size() >= oldFound.size() &&
        count.compare(count.size() - oldFound.size(), oldFound.size(), oldFound) == 0)
        count.replace(count.size() - oldFound.size(), oldFound.size(),
                      after.Text(slot::RecordsFound));
}

MainSession::MainSession()
    : db(*dbHolder_), ctx(db, langs), filter(ctx.grid.Roles()), interaction(ctx.grid, filter, db) {
    palette = qor::SetColorTheme(0, 0, 1.0);
}

StartupResult MainSession::Start(const std::string& programFolder, ScreenSize screen,
                                 const SettingsStore& settings) {
    StartupResult result;
    ProgramFolder = programFolder;
    if (!ProgramFolder.empty() && ProgramFolder.back() != '/') ProgramFolder += '/';
    Screen = screen;
    flags.LoadFlags(DataFilePath(ProgramFolder, "flags.dat"));

    db.DataPath = ProgramFolder;
    if (db.LoadDatabase("f1data5.dat", "f1notes5.dat", 1) != 0) {
        result.Message = db.LastError.empty() ? std::string("Corrupted data") : db.LastError;
        return result;
    }
    result.Loaded = true;

    ChosenFontSize = db.FontSizeMode;
    ctx.grid.ApplyZoom(ZoomFactorFor(db.FontSizeMode, screen.Height), screen.Width);

    FillYearLists(ctx);

    // The texts come before the first table: its column titles and dates are written in the
    // language in effect.
    result.LanguageFileWrong = ApplyLanguage(settings).FileWrong;
    ShowLastSeason(ctx);
    FillDriverCombo(db, 2000, DriverBoxItems);

    StatsScale = StatsScaleOf(db.StatsWindowSize);
    SetColorTheme(db.ColorTheme);
    return result;
}

void MainSession::SetColorTheme(int theme) {
    db.ColorTheme = static_cast<std::uint8_t>(theme);
    palette = qor::SetColorTheme(theme, db.DarkLevel, ZoomFactor());
}

void MainSession::ChooseDarkLevel(int item) {
    db.DarkLevel = static_cast<std::uint8_t>(DarkLevelOfMenuItem(item));
    SetColorTheme(db.ColorTheme);
}

void MainSession::SetGridLines(int style) {
    db.GridLineStyle = static_cast<std::uint8_t>(style & 3);
}

void MainSession::ToggleOddEvenRows() {
    db.OddEvenRows = db.OddEvenRows == 0 ? 1 : 0;
}

std::string MainSession::ChooseFontSize(FontSizeItem item) {
    ChosenFontSize = static_cast<std::uint8_t>(item);
    return langs.MsgRestartProgram;
}

StatsWindowResize MainSession::ChooseStatsWindowSize(std::uint8_t size) {
    const StatsWindowResize r = qor::ChooseStatsWindowSize(db.StatsWindowSize, size);
    db.StatsWindowSize = r.NewSize;
    StatsScale = StatsScaleOf(r.NewSize);
    return r;
}

LanguageLoadResult MainSession::ApplyLanguage(const SettingsStore& settings) {
    const LanguageLoadResult r = langs.ApplyLanguage(db.LanguageMode, ProgramFolder, settings);
    db.LanguageMode = r.Mode;
    return r;
}

LanguageLoadResult MainSession::ChooseLanguage(std::uint8_t mode, const SettingsStore& settings) {
    const Langs before = langs;
    db.LanguageMode = mode;
    const LanguageLoadResult r = ApplyLanguage(settings);
    RebuildAfterLanguageChange(before);
    return r;
}

std::optional<LanguageLoadResult> MainSession::ChooseLanguageFile(std::string_view picked,
                                                                  SettingsStore& settings) {
    const std::string name = ChosenLanguageFileName(picked);
    if (name.empty()) return std::nullopt;
    settings.Write(setting::LanguageFile, name);
    return ChooseLanguage(LanguageOtherFile, settings);
}

void MainSession::RebuildAfterLanguageChange(const Langs& before) {
    // The table on screen is built again from its history entry, so titles, dates and texts
    // all come out in the new language; the second table keeps its rows and gets new titles.
    if (ctx.history.HistIndex() >= 1) {
        ctx.history.domenuevent();
    } else {
        RetitleTable(ctx.grid.tablo1, before, langs);
    }
    RetitleTable(ctx.grid.tablo2, before, langs);
}

bool MainSession::CopyToNewTable() {
    return qor::CopyToNewTable(ctx.grid, ctx.history);
}

void MainSession::CloseSecondTable() {
    qor::CloseSecondTable(ctx.grid, ctx.history);
}

HtmlExportResult MainSession::ExportHtml() const {
    return qor::ExportHtml(StyleView(ctx.grid.tablo1), db.LanguageMode, ctx.grid.HtmlButtonVisible,
                           ProgramFolder);
}

void MainSession::RunTableCommand(const std::function<void(TableContext&)>& command) {
    if (!command) return;
    command(ctx);
    ctx.grid.tablo1.Row = 1;
    ctx.grid.tablo1.TopRow = 1;
}

bool MainSession::ShowGPOfAction(const GridAction& action, int visibleRows) {
    if (action.Kind != GridActionKind::ShowGP || action.GP < 1 || action.GP > db.GPCount)
        return false;
    if (!ShowGPByDate(ctx, db.GPs[action.GP].Date)) return false;
    ctx.grid.tablo1.Row = 1;
    ctx.grid.tablo1.TopRow = 1;
    if (!action.SelectName.empty())
        SelectRowWithName(ctx.grid.tablo1, ctx.grid.Roles(), action.SelectName, visibleRows);
    return true;
}

void MainSession::ShowGPInfo(std::uint16_t g) {
    FillGPInfoPanel(db, g, ctx.browser.Info);
}

void MainSession::ToggleHighlightOfSelectedDriver() {
    const std::string name = db.ResultDriverName(ctx.grid.SelectedRecord);
    ctx.grid.HighlightName = ctx.grid.HighlightName != name ? name : std::string();
}

bool MainSession::ConfirmClose(
    const std::function<bool(const std::string& question)>& askExitWithoutSave) {
    if (SaveChangesEnabled && !(askExitWithoutSave && askExitWithoutSave(langs.MsgExitWithoutSave)))
        return false;
    db.FontSizeMode = ChosenFontSize;
    ViewSettingsWritten = db.SaveViewSettings();
    return true;
}

} // namespace qor
