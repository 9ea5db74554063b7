// The main window's state and commands without widgets, on a copy of the shipped data:
// start-up, view menus, language switching, export, highlight and closing.

#include "mainwindow/MainSession.h"
#include "settings/SettingsStore.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

namespace qor {
namespace {

using testing::ReadFileBytes;

class MainSessionTest : public ::testing::Test {
  protected:
    // A program folder holding copies of the shipped files.
    void SetUp() override {
        for (const char* name : {"f1data5.dat", "TR.dt", "flags.dat", "other_names.txt"})
            std::filesystem::copy_file(std::string(QOR_BIN_DIR) + "/" + name, dir.file(name));
        original = ReadFileBytes(dir.file("f1data5.dat"));
    }
    StartupResult Start(ScreenSize screen = {1280, 1024}) {
        return session.Start(dir.path(), screen, settings);
    }
    // The palette must always be the one the stored settings give.
    void ExpectPaletteOfSettings() const {
        const ThemePalette want = SetColorTheme(session.db.ColorTheme, session.db.DarkLevel, 1.0);
        EXPECT_EQ(session.palette.ColorTheme, want.ColorTheme);
        EXPECT_EQ(session.palette.OddBrushColor, want.OddBrushColor);
        EXPECT_EQ(session.palette.SelBrushColor, want.SelBrushColor);
    }

    testing::TempDir dir;
    std::string original;
    MemorySettings settings;
    MainSession session;
    GridTable& t1 = session.ctx.grid.tablo1;
    GridTable& t2 = session.ctx.grid.tablo2;
};

const char* const kLastGP = "Brazil       Interlagos     22 October 2006";

TEST_F(MainSessionTest, StartLoadsTheDataAndShowsTheLastGrandPrix) {
    const StartupResult r = Start({1280, 1024});
    ASSERT_TRUE(r.Loaded) << r.Message;
    EXPECT_FALSE(r.LanguageFileWrong);
    const BrowserState& b = session.ctx.browser;
    ASSERT_EQ(b.Years.size(), 57u);
    EXPECT_EQ(b.Years.front(), "2006");
    EXPECT_EQ(b.DriverStandingYears, b.Years);
    ASSERT_FALSE(b.TeamStandingYears.empty());
    EXPECT_EQ(b.TeamStandingYears.back(), "1958");
    // 1024 pixels high, automatic font size: zoom 1.6, widths for a wide screen.
    EXPECT_DOUBLE_EQ(session.ZoomFactor(), 1.6);
    EXPECT_EQ(session.ctx.grid.Widths.ColWName, 234);
    // Drivers since 2000 only.
    const auto& names = session.DriverBoxItems;
    EXPECT_NE(std::find(names.begin(), names.end(), "Michael Schumacher"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "Ayrton Senna"), names.end());
    EXPECT_EQ(session.langs.Title(slot::Name), " Name");
    ExpectPaletteOfSettings();
    EXPECT_EQ(session.flags.Count(), 29u);

    EXPECT_EQ(t1.TitleLabel, kLastGP);
    EXPECT_EQ(t1.Cell(1, 1), "Felipe Massa");
    EXPECT_EQ(b.YearIndex, 0);
    EXPECT_EQ(b.GPIndex, static_cast<int>(b.GPList.size()) - 1);
    EXPECT_TRUE(b.Info.Visible);
    EXPECT_EQ(b.Info.Laps, "71");
    EXPECT_EQ(session.ctx.history.HistCount(), 1);
    EXPECT_EQ(session.ctx.history.Entry(1).Kind, history_kind::GPResults);
}

TEST_F(MainSessionTest, MissingOrDamagedDataEndsStartUpWithItsMessage) {
    testing::WriteFileBytes(dir.file("f1data5.dat"), original.substr(0, original.size() / 2));
    EXPECT_EQ(Start().Message, "Corrupted data");
    std::filesystem::remove(dir.file("f1data5.dat"));
    const StartupResult r = Start();
    EXPECT_FALSE(r.Loaded);
    EXPECT_EQ(r.Message, "Data file not found");
}

TEST_F(MainSessionTest, DoubleClickOnADateShowsThatGPWithTheDriverSelected) {
    ASSERT_TRUE(Start().Loaded);
    const The_Class& db = session.db;
    GridAction a;
    a.Kind = GridActionKind::ShowGP;
    a.GP = static_cast<std::uint16_t>(db.Seasons[1988].LastGP);
    a.Year = 1988;
    a.SelectName = "Alain Prost";
    ASSERT_TRUE(session.ShowGPOfAction(a, 20));
    EXPECT_EQ(t1.ColCount(), 7);
    EXPECT_EQ(t1.Cell(1, t1.Row), "Alain Prost");
    EXPECT_EQ(session.ctx.browser.Years[static_cast<std::size_t>(session.ctx.browser.YearIndex)],
              "1988");
    EXPECT_EQ(session.ctx.history.HistCount(), 2);
    session.ctx.history.Back();
    EXPECT_EQ(t1.TitleLabel, kLastGP);
    a.Kind = GridActionKind::AnalyzeDriver;
    EXPECT_FALSE(session.ShowGPOfAction(a, 20));
}

TEST_F(MainSessionTest, ViewMenusChangeTheSettingsAndThePalette) {
    ASSERT_TRUE(Start().Loaded);
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"Winter", [&] { session.ChooseTheme(2); }},
        {"Modern", [&] { session.ToggleModern(); }},
        {"Standart, still Modern", [&] { session.ChooseTheme(0); }},
        {"darkest", [&] { session.ChooseDarkLevel(3); }},
        {"Modern off", [&] { session.ToggleModern(); }},
        {"not dark", [&] { session.ChooseDarkLevel(0); }},
    };
    const int themes[] = {2, 102, 100, 100, 0, 0};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(steps[i].first);
        steps[i].second();
        EXPECT_EQ(session.db.ColorTheme, themes[i]);
        ExpectPaletteOfSettings();
    }
    session.ChooseDarkLevel(3);
    EXPECT_EQ(session.db.DarkLevel, DarkLevelOfMenuItem(3));
    session.SetGridLines(2);
    EXPECT_EQ(session.db.GridLineStyle, 2);
    const bool before = session.OddEvenRowColour();
    session.ToggleOddEvenRows();
    EXPECT_NE(session.OddEvenRowColour(), before);
    // The font size takes effect at the next start only.
    EXPECT_EQ(session.ChooseFontSize(FontSizeItem::Big), "Restart the program");
    EXPECT_DOUBLE_EQ(session.ZoomFactor(), 1.6);
    EXPECT_EQ(session.ChosenFontSizeItem(), FontSizeItem::Big);
    EXPECT_TRUE(session.ChooseStatsWindowSize(StatsWindowBig).Changed);
    EXPECT_EQ(session.db.StatsWindowSize, StatsWindowBig);
    EXPECT_DOUBLE_EQ(session.StatsScale, 1.2);
}

TEST_F(MainSessionTest, ClosingWritesOnlyTheViewSettingsBytes) {
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
    EXPECT_TRUE(session.ConfirmClose([&](const std::string&) { return ++asked, false; }));
    EXPECT_EQ(asked, 0); // no unsaved edits: no question
    EXPECT_TRUE(session.ViewSettingsWritten);
    const std::string now = ReadFileBytes(dir.file("f1data5.dat"));
    ASSERT_EQ(now.size(), original.size());
    // Language (English), theme (Spring + Modern), lines and odd-even rows, compare view,
    // dark level, stats window, font size.
    const std::map<std::size_t, int> want = {
        {12, 1}, {13, 103}, {14, (1 << 4) | 3}, {16, 1}, {17, 24}, {18, 12}, {19, 2}};
    for (std::size_t i = 0; i < now.size(); ++i) {
        const auto it = want.find(i);
        if (it != want.end()) {
            EXPECT_EQ(static_cast<unsigned char>(now[i]), it->second) << "byte " << i;
        } else if (i < 12 || i > 20) {
            ASSERT_EQ(now[i], original[i]) << "byte " << i;
        }
    }
    // The next start reads them back.
    MainSession next;
    ASSERT_TRUE(next.Start(dir.path(), {1280, 800}, settings).Loaded);
    EXPECT_EQ(next.db.ColorTheme, 103);
    EXPECT_DOUBLE_EQ(next.ZoomFactor(), 1.6);
    EXPECT_EQ(next.palette.OddBrushColor, SetColorTheme(103, 12, 1.0).OddBrushColor);
}

TEST_F(MainSessionTest, UnsavedEditsAskBeforeClosing) {
    ASSERT_TRUE(Start().Loaded);
    session.SaveChangesEnabled = true;
    session.ChooseFontSize(FontSizeItem::Big);
    std::string question;
    EXPECT_FALSE(session.ConfirmClose([&](const std::string& q) { return question = q, false; }));
    EXPECT_EQ(question, "Exit without save?");
    EXPECT_FALSE(session.ViewSettingsWritten);
    EXPECT_EQ(ReadFileBytes(dir.file("f1data5.dat")), original);
    EXPECT_TRUE(session.ConfirmClose([](const std::string&) { return true; }));
    EXPECT_EQ(static_cast<unsigned char>(ReadFileBytes(dir.file("f1data5.dat"))[19]), 1);
}

TEST_F(MainSessionTest, TurkishRetitlesBothTablesAndEnglishRestoresThem) {
    ASSERT_TRUE(Start().Loaded);
    testing::FillGPResultTable(session.ctx.grid, session.db, session.db.GPCount);
    EXPECT_TRUE(session.CopyToNewTable());
    const std::string count = t2.CountLabel;
    const LanguageLoadResult r = session.ChooseLanguage(LanguageTurkish, settings);
    EXPECT_EQ(r.Mode, LanguageTurkish);
    EXPECT_EQ(session.db.LanguageMode, LanguageTurkish);
    // Without a history entry tablo1 is re-titled in place, like the second table.
    for (const GridTable* t : {&t1, &t2}) {
        EXPECT_EQ(t->Title(1), " \xDDsim"); // " İsim"
        EXPECT_EQ(t->Title(2), " Tak\xFDm");
        EXPECT_EQ(t->Title(0), "");
    }
    EXPECT_NE(t2.CountLabel.find("kay\xFDt bulundu."), std::string::npos);
    session.ChooseLanguage(LanguageEnglish, settings);
    EXPECT_EQ(t2.Title(1), " Name");
    EXPECT_EQ(t2.CountLabel, count);
    session.CloseSecondTable();
    EXPECT_FALSE(session.ctx.grid.SecondTableVisible);
}

TEST_F(MainSessionTest, LanguageSwitchRebuildsTheCurrentTableFromItsHistoryEntry) {
    ASSERT_TRUE(Start().Loaded);
    int runs = 0;
    const auto fill = [&] {
        ++runs;
        testing::FillGPResultTable(session.ctx.grid, session.db, session.db.GPCount);
    };
    session.ctx.history.menuekle(0, 0, 100, fill);
    fill();
    session.ChooseLanguage(LanguageTurkish, settings);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(session.ctx.history.HistCount(), 2); // the re-run does not record itself
    EXPECT_EQ(t1.Title(1), " \xDDsim");
    EXPECT_NE(t1.TitleLabel.find("Ekim"), std::string::npos) << t1.TitleLabel; // October
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
    // A name not found in the program folder falls back to English without a message.
    const auto missing = session.ChooseLanguageFile("NONE.DT", settings);
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(std::make_pair(missing->Mode, missing->FileWrong),
              std::make_pair(std::uint8_t{LanguageEnglish}, false));
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
    const HtmlExportResult r = session.ExportHtml();
    ASSERT_EQ(r.Status, HtmlExportResult::Outcome::Written) << r.Message;
    EXPECT_EQ(r.Path, dir.file("html/Brazil_Interlagos_22_October_2006.html"));
    EXPECT_NE(ReadFileBytes(r.Path).find(">Felipe Massa</td>"), std::string::npos);
    session.ctx.grid.HtmlButtonVisible = false;
    EXPECT_EQ(session.ExportHtml().Status, HtmlExportResult::Outcome::ButtonHidden);
}

TEST_F(MainSessionTest, HighlightTogglesOnTheSelectedDriver) {
    ASSERT_TRUE(Start().Loaded);
    const TGPRow& gp = session.db.GPs[session.db.GPCount];
    session.ctx.grid.SelectedRecord = gp.FirstResult;
    const std::string winner = session.db.ResultDriverName(gp.FirstResult);
    std::string& name = session.ctx.grid.HighlightName;
    for (const auto& [before, after] : {std::pair{std::string(), winner},
                                        {winner, std::string()},
                                        {std::string("Someone Else"), winner}}) {
        name = before;
        session.ToggleHighlightOfSelectedDriver();
        EXPECT_EQ(name, after) << before;
    }
}

} // namespace
} // namespace qor
