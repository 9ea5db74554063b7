// The main window's state and commands without widgets, on a copy of the shipped data:
// start-up, view menus, language switching, export, highlight, views by name and closing.

#include "mainwindow/MainSession.h"
#include "mainwindow/NamedViews.h"
#include "settings/SettingsStore.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

namespace qor {
namespace {

using testing::ReadFileBytes;

const char* const kLastGP = "Brazil       Interlagos     22 October 2006";

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
    void ShowLastGP() {
        testing::FillGPResultTable(session.ctx.grid, session.db, session.db.GPCount);
    }

    testing::TempDir dir;
    std::string original;
    MemorySettings settings;
    MainSession session;
    GridTable& t1 = session.ctx.grid.tablo1;
    GridTable& t2 = session.ctx.grid.tablo2;
};

TEST_F(MainSessionTest, StartLoadsTheDataAndShowsTheLastGrandPrix) {
    const StartupResult r = Start({1280, 1024});
    ASSERT_TRUE(r.Loaded) << r.Message;
    EXPECT_FALSE(r.LanguageFileWrong);
    const BrowserState& b = session.ctx.browser;
    ASSERT_EQ(b.Years.size(), 57u);
    EXPECT_EQ(b.TeamStandingYears.back(), "1958");
    // 1024 pixels high, automatic font size: zoom 1.6, widths for a wide screen.
    EXPECT_EQ(session.ctx.grid.Widths.ColWName, 234);
    // Drivers since 2000 only.
    const auto& names = session.DriverBoxItems;
    EXPECT_NE(std::find(names.begin(), names.end(), "Michael Schumacher"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "Ayrton Senna"), names.end());
    EXPECT_EQ(session.palette.OddBrushColor,
              SetColorTheme(session.db.ColorTheme, session.db.DarkLevel, 1.0).OddBrushColor);
    EXPECT_EQ(t1.TitleLabel, kLastGP);
    EXPECT_EQ(t1.Cell(1, 1), "Felipe Massa");
    EXPECT_EQ(b.GPIndex, static_cast<int>(b.GPList.size()) - 1);
    EXPECT_EQ(session.ctx.history.Entry(1).Kind, history_kind::GPResults);
    // Missing or damaged data ends the start-up with its message.
    testing::WriteFileBytes(dir.file("f1data5.dat"), original.substr(0, original.size() / 2));
    EXPECT_EQ(Start().Message, "Corrupted data");
    std::filesystem::remove(dir.file("f1data5.dat"));
    EXPECT_EQ(Start().Message, "Data file not found");
}

TEST_F(MainSessionTest, ShowsTheGPOfADoubleClickedDateAndViewsByName) {
    ASSERT_TRUE(Start().Loaded);
    GridAction a;
    a.Kind = GridActionKind::ShowGP;
    a.GP = static_cast<std::uint16_t>(session.db.Seasons[1988].LastGP);
    a.Year = 1988;
    a.SelectName = "Alain Prost";
    ASSERT_TRUE(session.ShowGPOfAction(a, 20));
    EXPECT_EQ(t1.Cell(1, t1.Row), "Alain Prost");
    EXPECT_EQ(session.ctx.browser.YearIndex, 2006 - 1988);
    session.ctx.history.Back();
    EXPECT_EQ(t1.TitleLabel, kLastGP);
    a.Kind = GridActionKind::AnalyzeDriver;
    EXPECT_FALSE(session.ShowGPOfAction(a, 20));

    const auto show = [&](const std::string& line) { // arguments split at '|'
        std::vector<std::string> args;
        std::stringstream in(line);
        for (std::string arg; std::getline(in, arg, '|');)
            args.push_back(arg);
        return ShowNamedView(session.ctx, args);
    };
    EXPECT_EQ(show("gp|1988|16"), "");
    EXPECT_EQ(session.ctx.browser.GPIndex, 15);
    EXPECT_EQ(show("standings|teams|1958"), "");
    EXPECT_EQ(t1.TitleLabel, "Constructors Championship   1958");
    EXPECT_EQ(show("records|Michael Schumacher|wins"), "");
    EXPECT_EQ(t1.RowCount() - 1, 91);
    const int entries = session.ctx.history.HistCount();
    for (const char* wrong :
         {"gp|1988|17", "gp|1949|1", "gp|1988", "standings|teams|1957", "standings|riders|2006",
          "records|Nobody|wins", "records|Michael Schumacher|laps", "tables"})
        EXPECT_NE(show(wrong), "") << wrong;
    EXPECT_EQ(session.ctx.history.HistCount(), entries); // wrong names show nothing
}

TEST_F(MainSessionTest, ViewSettingsAreWrittenOnClosingAndReadAtTheNextStart) {
    ASSERT_TRUE(Start().Loaded);
    session.ChooseTheme(3);
    session.ToggleModern();
    session.ChooseDarkLevel(2);
    EXPECT_EQ(session.palette.OddBrushColor, SetColorTheme(103, 12, 1.0).OddBrushColor);
    session.SetGridLines(3);
    session.ToggleOddEvenRows();
    session.SetCompareView(1);
    EXPECT_TRUE(session.ChooseStatsWindowSize(StatsWindowSmall).Changed);
    EXPECT_DOUBLE_EQ(session.StatsScale, 1.0 / 1.2);
    // The font size takes effect at the next start only.
    EXPECT_EQ(session.ChooseFontSize(FontSizeItem::Bigger), "Restart the program");
    EXPECT_DOUBLE_EQ(session.ZoomFactor(), 1.6);
    int asked = 0;
    EXPECT_TRUE(session.ConfirmClose([&](const std::string&) { return ++asked, false; }));
    EXPECT_EQ(asked, 0); // no unsaved edits: no question
    const std::string now = ReadFileBytes(dir.file("f1data5.dat"));
    ASSERT_EQ(now.size(), original.size());
    // Language (English), theme (Spring + Modern), lines and odd-even rows, compare view,
    // stats window, dark level, font size; nothing else changes.
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
    MainSession next;
    ASSERT_TRUE(next.Start(dir.path(), {1280, 800}, settings).Loaded);
    EXPECT_EQ(next.palette.OddBrushColor, session.palette.OddBrushColor);
    EXPECT_DOUBLE_EQ(next.ZoomFactor(), 1.6);
}

TEST_F(MainSessionTest, UnsavedEditsAskBeforeClosing) {
    ASSERT_TRUE(Start().Loaded);
    session.SaveChangesEnabled = true;
    session.ChooseFontSize(FontSizeItem::Big);
    std::string question;
    EXPECT_FALSE(session.ConfirmClose([&](const std::string& q) { return question = q, false; }));
    EXPECT_EQ(question, "Exit without save?");
    EXPECT_EQ(ReadFileBytes(dir.file("f1data5.dat")), original);
    EXPECT_TRUE(session.ConfirmClose([](const std::string&) { return true; }));
    EXPECT_EQ(static_cast<unsigned char>(ReadFileBytes(dir.file("f1data5.dat"))[19]), 1);
}

TEST_F(MainSessionTest, LanguageSwitchRetitlesTheSecondTableAndRebuildsTheFirst) {
    ASSERT_TRUE(Start().Loaded);
    int runs = 0;
    session.ctx.history.menuekle(0, 0, 100, [&] { ++runs, ShowLastGP(); });
    ShowLastGP();
    EXPECT_TRUE(session.CopyToNewTable());
    const std::string count = t2.CountLabel;
    EXPECT_EQ(session.ChooseLanguage(LanguageTurkish, settings).Mode, LanguageTurkish);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(session.ctx.history.HistCount(), 2); // the re-run does not record itself
    EXPECT_NE(t1.TitleLabel.find("Ekim"), std::string::npos) << t1.TitleLabel; // October
    for (const GridTable* t : {&t1, &t2}) {
        EXPECT_EQ(t->Title(1), " \xDDsim"); // " İsim"
        EXPECT_EQ(t->Title(2), " Tak\xFDm");
        EXPECT_NE(t->CountLabel.find("kay\xFDt bulundu."), std::string::npos);
    }
    session.ChooseLanguage(LanguageEnglish, settings);
    EXPECT_EQ(t2.Title(1), " Name");
    EXPECT_EQ(t2.CountLabel, count);
    session.CloseSecondTable();
    EXPECT_FALSE(session.ctx.grid.SecondTableVisible);
}

TEST_F(MainSessionTest, LanguageFilesChosenOrBrokenFallBackToEnglish) {
    ASSERT_TRUE(Start().Loaded);
    std::filesystem::copy_file(dir.file("TR.dt"), dir.file("MINE.DT"));
    const auto r = session.ChooseLanguageFile("/home/someone/elsewhere/MINE.DT ", settings);
    EXPECT_EQ(r.value().Mode, LanguageOtherFile);
    EXPECT_EQ(settings.Read(setting::LanguageFile).value_or(""), "MINE.DT"); // the name only
    // A name not found in the program folder falls back to English without a message.
    const auto missing = session.ChooseLanguageFile("NONE.DT", settings);
    EXPECT_FALSE(missing.value().FileWrong);
    EXPECT_EQ(session.db.LanguageMode, LanguageEnglish);
    // A malformed file is reported at start-up.
    testing::WriteFileBytes(dir.file("TR.dt"), "nospaceheader\r\nx\r\n");
    std::string bytes = original;
    bytes[12] = 0; // Turkish
    testing::WriteFileBytes(dir.file("f1data5.dat"), bytes);
    MainSession next;
    EXPECT_TRUE(next.Start(dir.path(), {1280, 1024}, settings).LanguageFileWrong);
}

TEST_F(MainSessionTest, HtmlExportAndHighlight) {
    ASSERT_TRUE(Start({800, 600}).Loaded);
    const HtmlExportResult r = session.ExportHtml();
    ASSERT_EQ(r.Status, HtmlExportResult::Outcome::Written) << r.Message;
    EXPECT_EQ(r.Path, dir.file("html/Brazil_Interlagos_22_October_2006.html"));
    EXPECT_NE(ReadFileBytes(r.Path).find(">Felipe Massa</td>"), std::string::npos);
    session.ctx.grid.HtmlButtonVisible = false;
    EXPECT_EQ(session.ExportHtml().Status, HtmlExportResult::Outcome::ButtonHidden);

    session.ctx.grid.SelectedRecord = session.db.GPs[session.db.GPCount].FirstResult;
    session.ToggleHighlightOfSelectedDriver();
    EXPECT_EQ(session.ctx.grid.HighlightName, "Felipe Massa");
    session.ToggleHighlightOfSelectedDriver();
    EXPECT_EQ(session.ctx.grid.HighlightName, "");
}

} // namespace
} // namespace qor
