// The main window's state and commands without widgets, on a copy of the shipped data:
// start-up, view menus, language switching, export, highlight and closing.

#include "mainwindow/MainSession.h"
#include "settings/SettingsStore.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace qor {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;

// A program folder holding copies of the shipped files.
void CopyShippedFiles(const TempDir& dir) {
    for (const char* name : {"f1data5.dat", "TR.dt", "flags.dat", "other_names.txt"})
        std::filesystem::copy_file(std::string(QOR_BIN_DIR) + "/" + name, dir.file(name));
}

class MainSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CopyShippedFiles(dir);
        original = ReadFileBytes(dir.file("f1data5.dat"));
    }
    StartupResult Start(ScreenSize screen = {1280, 1024}) {
        return session.Start(dir.path(), screen, settings);
    }

    TempDir dir;
    std::string original;
    MemorySettings settings;
    MainSession session;
};

TEST_F(MainSessionTest, StartLoadsTheDatabaseAndPreparesTheLists) {
    const StartupResult r = Start({1280, 1024});
    ASSERT_TRUE(r.Loaded) << r.Message;
    EXPECT_FALSE(r.LanguageFileWrong);
    const BrowserState& b = session.ctx.browser;
    ASSERT_EQ(b.Years.size(), 57u);
    EXPECT_EQ(b.Years.front(), "2006");
    EXPECT_EQ(b.Years.back(), "1950");
    EXPECT_EQ(b.DriverStandingYears, b.Years);
    ASSERT_FALSE(b.TeamStandingYears.empty());
    EXPECT_EQ(b.TeamStandingYears.back(), "1958");
    // 1024 pixels high with automatic font size: 160 %, widths scaled (+10 on a wide screen).
    EXPECT_DOUBLE_EQ(session.ZoomFactor(), 1.6);
    EXPECT_EQ(session.ctx.grid.Widths.ColWName, 234);
    EXPECT_EQ(session.ctx.grid.tablo1.DefaultRowHeight, 27);
    // Drivers since 2000 only.
    const auto& names = session.DriverBoxItems;
    EXPECT_NE(std::find(names.begin(), names.end(), "Michael Schumacher"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "Ayrton Senna"), names.end());
    // English texts (the shipped file's setting) and the stored theme.
    EXPECT_EQ(session.langs.Title(slot::Name), " Name");
    EXPECT_EQ(session.palette.ColorTheme, session.db.ColorTheme);
    EXPECT_EQ(session.flags.Count(), 29u);
}

TEST_F(MainSessionTest, StartShowsTheLastGrandPrixOfTheLastSeason) {
    ASSERT_TRUE(Start().Loaded);
    const GridTable& t = session.ctx.grid.tablo1;
    EXPECT_EQ(t.TitleLabel, "Brazil       Interlagos     22 October 2006");
    EXPECT_EQ(t.ColCount(), 8);
    EXPECT_EQ(t.Title(5), "Grid");
    EXPECT_EQ(t.Cell(1, 1), "Felipe Massa");
    const BrowserState& b = session.ctx.browser;
    EXPECT_EQ(b.YearIndex, 0);
    ASSERT_FALSE(b.GPList.empty());
    EXPECT_EQ(b.GPIndex, static_cast<int>(b.GPList.size()) - 1);
    EXPECT_EQ(b.GPList.back(), "Interlagos");
    EXPECT_TRUE(b.Info.Visible);
    EXPECT_EQ(b.Info.Laps, "71");
    EXPECT_FALSE(b.Info.FastestLap.empty());
    EXPECT_EQ(session.ctx.history.HistCount(), 1);
    EXPECT_EQ(session.ctx.history.Entry(1).Kind, history_kind::GPResults);
}

TEST_F(MainSessionTest, DoubleClickOnADateShowsThatGPWithTheDriverSelected) {
    ASSERT_TRUE(Start().Loaded);
    The_Class& db = session.db;
    // The last GP of 1988 (Adelaide), Prost's row.
    const int g = db.Seasons[1988].LastGP;
    int prost = 0;
    for (int r = db.GPs[g].FirstResult; r <= db.GPs[g].LastResult; ++r)
        if (db.ResultDriverName(r) == "Alain Prost") prost = r;
    ASSERT_GT(prost, 0);
    GridAction a;
    a.Kind = GridActionKind::ShowGP;
    a.GP = static_cast<std::uint16_t>(g);
    a.Year = 1988;
    a.SelectName = "Alain Prost";
    ASSERT_TRUE(session.ShowGPOfAction(a, 20));
    const GridTable& t = session.ctx.grid.tablo1;
    EXPECT_EQ(t.ColCount(), 7);
    EXPECT_EQ(t.Cell(1, t.Row), "Alain Prost");
    EXPECT_EQ(session.ctx.browser.Years[static_cast<std::size_t>(session.ctx.browser.YearIndex)],
              "1988");
    EXPECT_EQ(session.ctx.history.HistCount(), 2);
    // Back returns to the start-up table.
    session.ctx.history.Back();
    EXPECT_EQ(session.ctx.grid.tablo1.TitleLabel, "Brazil       Interlagos     22 October 2006");

    a.Kind = GridActionKind::AnalyzeDriver;
    EXPECT_FALSE(session.ShowGPOfAction(a, 20));
}

TEST_F(MainSessionTest, ZoomOnSmallerScreens) {
    ASSERT_TRUE(Start({800, 600}).Loaded);
    EXPECT_DOUBLE_EQ(session.ZoomFactor(), 1.0);
    // Not wider than 1000 pixels: no extra 10.
    EXPECT_EQ(session.ctx.grid.Widths.ColWName, 140);
    EXPECT_EQ(session.ctx.grid.tablo1.DefaultRowHeight, 17);
    EXPECT_EQ(session.ctx.grid.tablo1.RowHeight(0), 19);
}

TEST_F(MainSessionTest, MissingDataFileEndsStartUpWithItsMessage) {
    std::filesystem::remove(dir.file("f1data5.dat"));
    const StartupResult r = Start();
    EXPECT_FALSE(r.Loaded);
    EXPECT_EQ(r.Message, "Data file not found");
}

TEST_F(MainSessionTest, DamagedDataFileSaysCorruptedData) {
    std::string bytes = original;
    bytes.resize(bytes.size() / 2);
    testing::WriteFileBytes(dir.file("f1data5.dat"), bytes);
    const StartupResult r = Start();
    EXPECT_FALSE(r.Loaded);
    EXPECT_EQ(r.Message, "Corrupted data");
}

TEST_F(MainSessionTest, ViewMenusChangeTheSettingsAndThePalette) {
    ASSERT_TRUE(Start().Loaded);
    session.ChooseTheme(2);
    EXPECT_EQ(session.db.ColorTheme, 2);
    EXPECT_EQ(session.palette.OddBrushColor, 0xDDDDFFu);
    session.ToggleModern();
    EXPECT_EQ(session.db.ColorTheme, 102);
    EXPECT_TRUE(session.palette.Modern);
    session.ChooseTheme(0);
    EXPECT_EQ(session.db.ColorTheme, 100);
    EXPECT_EQ(session.palette.SelBrushColor, 0x60DD60u);
    session.ToggleModern();
    EXPECT_EQ(session.db.ColorTheme, 0);

    session.ChooseDarkLevel(3);
    EXPECT_EQ(session.db.DarkLevel, 7);
    EXPECT_EQ(session.palette.OddBrushColor, 0xD1D1D1u);
    session.ChooseDarkLevel(0);
    EXPECT_EQ(session.palette.OddBrushColor, 0xEAEAEAu);

    session.SetGridLines(2);
    EXPECT_EQ(session.db.GridLineStyle, 2);
    const bool before = session.OddEvenRowColour();
    session.ToggleOddEvenRows();
    EXPECT_NE(session.OddEvenRowColour(), before);
    session.ToggleOddEvenRows();
    EXPECT_EQ(session.OddEvenRowColour(), before);

    // The font size takes effect at the next start only.
    const double zoom = session.ZoomFactor();
    EXPECT_EQ(session.ChooseFontSize(FontSizeItem::Big), "Restart the program");
    EXPECT_DOUBLE_EQ(session.ZoomFactor(), zoom);
    EXPECT_EQ(session.ChosenFontSizeItem(), FontSizeItem::Big);

    const StatsWindowResize r = session.ChooseStatsWindowSize(StatsWindowBig);
    EXPECT_EQ(session.db.StatsWindowSize, StatsWindowBig);
    EXPECT_DOUBLE_EQ(session.StatsScale, 1.2);
    EXPECT_EQ(r.Changed, true);
}

TEST_F(MainSessionTest, ClosingWritesTheViewSettingsBytes) {
    ASSERT_TRUE(Start().Loaded);
    session.ChooseTheme(3);
    session.ToggleModern();
    session.SetGridLines(3);
    session.ToggleOddEvenRows();
    session.ChooseDarkLevel(2);
    session.SetCompareView(1);
    session.ChooseStatsWindowSize(StatsWindowSmall);
    session.ChooseFontSize(FontSizeItem::Bigger);
    int asked = 0;
    EXPECT_TRUE(session.ConfirmClose([&](const std::string&) {
        ++asked;
        return false;
    }));
    EXPECT_EQ(asked, 0); // no unsaved edits: no question
    EXPECT_TRUE(session.ViewSettingsWritten);
    const std::string now = ReadFileBytes(dir.file("f1data5.dat"));
    ASSERT_EQ(now.size(), original.size());
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(now[i]); };
    EXPECT_EQ(byte(12), 1);   // LanguageMode: English
    EXPECT_EQ(byte(13), 103); // Spring + Modern
    EXPECT_EQ(byte(14), (1 << 4) | 3);
    EXPECT_EQ(byte(16), 1);
    EXPECT_EQ(byte(17), 24);
    EXPECT_EQ(byte(18), 12);
    EXPECT_EQ(byte(19), 2);
    // Only the settings bytes changed.
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (i >= 12 && i <= 20) continue;
        ASSERT_EQ(now[i], original[i]) << "byte " << i;
    }

    // The next start reads them back.
    MainSession next;
    ASSERT_TRUE(next.Start(dir.path(), {1280, 800}, settings).Loaded);
    EXPECT_EQ(next.db.ColorTheme, 103);
    EXPECT_DOUBLE_EQ(next.ZoomFactor(), 1.6);
    EXPECT_EQ(next.palette.OddBrushColor, Darken(0xCCF6CC, 12));
}

TEST_F(MainSessionTest, UnsavedEditsAskBeforeClosing) {
    ASSERT_TRUE(Start().Loaded);
    session.SaveChangesEnabled = true;
    session.ChooseFontSize(FontSizeItem::Big);
    std::string question;
    EXPECT_FALSE(session.ConfirmClose([&](const std::string& q) {
        question = q;
        return false;
    }));
    EXPECT_EQ(question, "Exit without save?");
    EXPECT_FALSE(session.ViewSettingsWritten);
    EXPECT_EQ(ReadFileBytes(dir.file("f1data5.dat")), original);

    EXPECT_TRUE(session.ConfirmClose([](const std::string&) { return true; }));
    EXPECT_TRUE(session.ViewSettingsWritten);
    EXPECT_EQ(static_cast<unsigned char>(ReadFileBytes(dir.file("f1data5.dat"))[19]), 1);
}

TEST_F(MainSessionTest, TurkishRetitlesTheTablesAndEnglishRestoresThem) {
    ASSERT_TRUE(Start().Loaded);
    const int g = session.db.GPCount;
    testing::FillGPResultTable(session.ctx.grid, session.db, g);
    session.CopyToNewTable();
    const std::string count = session.ctx.grid.tablo2.CountLabel;
    const LanguageLoadResult r = session.ChooseLanguage(LanguageTurkish, settings);
    EXPECT_EQ(r.Mode, LanguageTurkish);
    EXPECT_EQ(session.db.LanguageMode, LanguageTurkish);
    EXPECT_EQ(session.langs.Title(slot::Name), " \xDDsim"); // " İsim"
    // Without a history entry tablo1 is re-titled in place, like the second table.
    for (const GridTable* t : {&session.ctx.grid.tablo1, &session.ctx.grid.tablo2}) {
        EXPECT_EQ(t->Title(1), " \xDDsim");
        EXPECT_EQ(t->Title(2), " Tak\xFDm");
        EXPECT_EQ(t->Title(0), "");
    }
    EXPECT_NE(session.ctx.grid.tablo2.CountLabel, count);
    EXPECT_NE(session.ctx.grid.tablo2.CountLabel.find("kay\xFDt bulundu."), std::string::npos);

    session.ChooseLanguage(LanguageEnglish, settings);
    EXPECT_EQ(session.ctx.grid.tablo2.Title(1), " Name");
    EXPECT_EQ(session.ctx.grid.tablo2.CountLabel, count);
}

TEST_F(MainSessionTest, LanguageSwitchRebuildsTheCurrentTableFromItsHistoryEntry) {
    ASSERT_TRUE(Start().Loaded);
    int runs = 0;
    auto& ctx = session.ctx;
    const auto fill = [&] {
        ++runs;
        testing::FillGPResultTable(ctx.grid, session.db, session.db.GPCount);
    };
    ctx.history.menuekle(0, 0, 100, fill);
    fill();
    session.ChooseLanguage(LanguageTurkish, settings);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(ctx.history.HistCount(), 2); // the re-run does not record itself
    EXPECT_EQ(ctx.grid.tablo1.Title(1), " \xDDsim");
    // Dates follow the language too: the title ends with a Turkish month.
    EXPECT_NE(ctx.grid.tablo1.TitleLabel.find("Ekim"), std::string::npos)
        << ctx.grid.tablo1.TitleLabel;
}

TEST_F(MainSessionTest, ExtraLanguageFileIsRememberedByNameOnly) {
    ASSERT_TRUE(Start().Loaded);
    EXPECT_FALSE(session.ChooseLanguageFile("  \t", settings).has_value());
    EXPECT_FALSE(settings.Read(setting::LanguageFile).has_value());

    std::filesystem::copy_file(dir.file("TR.dt"), dir.file("MINE.DT"));
    const auto r = session.ChooseLanguageFile("/home/someone/elsewhere/MINE.DT ", settings);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(settings.Read(setting::LanguageFile).value_or(""), "MINE.DT");
    EXPECT_EQ(r->Mode, LanguageOtherFile);
    EXPECT_EQ(session.langs.LanguageFileName, "MINE.DT");

    // A name not found in the program folder falls back to English without a message.
    const auto missing = session.ChooseLanguageFile("NONE.DT", settings);
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->Mode, LanguageEnglish);
    EXPECT_FALSE(missing->FileWrong);
    EXPECT_EQ(session.db.LanguageMode, LanguageEnglish);
}

TEST_F(MainSessionTest, MalformedLanguageFileIsReportedAtStartUp) {
    testing::WriteFileBytes(dir.file("TR.dt"), "nospaceheader\r\nx\r\n");
    std::string bytes = original;
    bytes[12] = 0; // Turkish
    testing::WriteFileBytes(dir.file("f1data5.dat"), bytes);
    const StartupResult r = Start();
    ASSERT_TRUE(r.Loaded);
    EXPECT_TRUE(r.LanguageFileWrong);
    EXPECT_EQ(session.db.LanguageMode, LanguageEnglish);
    EXPECT_EQ(session.langs.Title(slot::Name), " Name");
}

TEST_F(MainSessionTest, HtmlExportWritesIntoTheProgramFolder) {
    ASSERT_TRUE(Start({800, 600}).Loaded);
    testing::FillGPResultTable(session.ctx.grid, session.db, session.db.GPCount);
    const HtmlExportResult r = session.ExportHtml();
    ASSERT_EQ(r.Status, HtmlExportResult::Outcome::Written) << r.Message;
    EXPECT_EQ(r.Path, dir.file("html/Brazil_Interlagos_22_October_2006.html"));
    const std::string page = ReadFileBytes(r.Path);
    EXPECT_NE(page.find("<title>Brazil       Interlagos     22 October 2006</title>"),
              std::string::npos);
    EXPECT_NE(page.find(">Felipe Massa</td>"), std::string::npos);

    session.ctx.grid.HtmlButtonVisible = false;
    EXPECT_EQ(session.ExportHtml().Status, HtmlExportResult::Outcome::ButtonHidden);
}

TEST_F(MainSessionTest, HighlightTogglesOnTheSelectedDriver) {
    ASSERT_TRUE(Start().Loaded);
    const TGPRow& gp = session.db.GPs[session.db.GPCount];
    session.ctx.grid.SelectedRecord = gp.FirstResult;
    const std::string winner = session.db.ResultDriverName(gp.FirstResult);
    session.ToggleHighlightOfSelectedDriver();
    EXPECT_EQ(session.ctx.grid.HighlightName, winner);
    session.ToggleHighlightOfSelectedDriver();
    EXPECT_EQ(session.ctx.grid.HighlightName, "");
    session.ctx.grid.HighlightName = "Someone Else";
    session.ToggleHighlightOfSelectedDriver();
    EXPECT_EQ(session.ctx.grid.HighlightName, winner);
}

TEST_F(MainSessionTest, CopyAndCloseTheSecondTable) {
    ASSERT_TRUE(Start().Loaded);
    auto& ctx = session.ctx;
    ctx.history.menuekle(0, 0, 100, [] {});
    testing::FillGPResultTable(ctx.grid, session.db, session.db.GPCount);
    EXPECT_TRUE(session.CopyToNewTable());
    EXPECT_FALSE(session.CopyToNewTable()); // already open
    EXPECT_EQ(ctx.history.Entry(0).Kind, 100);
    EXPECT_EQ(ctx.grid.tablo2.Cell(1, 1), ctx.grid.tablo1.Cell(1, 1));
    session.CloseSecondTable();
    EXPECT_FALSE(ctx.grid.SecondTableVisible);
    EXPECT_EQ(ctx.history.Entry(0).Kind, 0);
}

} // namespace
} // namespace qor
