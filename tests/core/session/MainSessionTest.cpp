// The main window's state and commands without widgets, on a copy of the shipped data, and the
// start-up rules: window size, zoom, stats window, driver box, sliding panels.

#include "mainwindow/MainSession.h"
#include "mainwindow/DriverCombo.h"
#include "mainwindow/NamedViews.h"
#include "mainwindow/PanelSlides.h"
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

class MainSessionTest : public ::testing::Test { // a session on copied shipped files
  protected:
    void SetUp() override {
        for (const char* name : {"f1data5.dat", "TR.dt", "flags.dat", "other_names.txt"})
            std::filesystem::copy_file(std::string(QOR_BIN_DIR) + "/" + name, dir.file(name));
        original = ReadFileBytes(dir.file("f1data5.dat"));
    }
    StartupResult Start() { return session.Start(dir.path(), {1280, 1024}, settings); }
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
    ASSERT_TRUE(Start().Loaded);
    const BrowserState& b = session.ctx.browser;
    ASSERT_EQ(b.Years.size(), 57u);
    // 1024 pixels high, automatic font size: zoom 1.6, widths for a wide screen.
    EXPECT_EQ(session.ctx.grid.Widths.ColWName, 234);
    // Drivers since 2000 only.
    const auto& names = session.DriverBoxItems;
    EXPECT_NE(std::find(names.begin(), names.end(), "Michael Schumacher"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "Ayrton Senna"), names.end());
    EXPECT_EQ(t1.TitleLabel, kLastGP);
    // A malformed language file is reported; missing data ends the start-up.
    testing::WriteFileBytes(dir.file("TR.dt"), "nospaceheader\r\nx\r\n");
    std::string bytes = original;
    bytes[12] = 0; // Turkish
    testing::WriteFileBytes(dir.file("f1data5.dat"), bytes);
    EXPECT_TRUE(Start().LanguageFileWrong);
    std::filesystem::remove(dir.file("f1data5.dat"));
    EXPECT_EQ(Start().Message, "Data file not found");
}

TEST_F(MainSessionTest, ViewsByName) {
    ASSERT_TRUE(Start().Loaded);
    const auto show = [&](const std::string& line) { // arguments split at '|'
        std::vector<std::string> args;
        std::stringstream in(line);
        for (std::string arg; std::getline(in, arg, '|');)
            args.push_back(arg);
        return ShowNamedView(session.ctx, args);
    };
    EXPECT_EQ(show("gp|1988|16"), "");
    EXPECT_EQ(show("standings|teams|1958"), "");
    EXPECT_EQ(t1.TitleLabel, "Constructors Championship   1958");
    EXPECT_EQ(show("records|Michael Schumacher|wins"), "");
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
    session.ChooseStatsWindowSize(StatsWindowSmall);
    // The font size takes effect at the next start only.
    EXPECT_EQ(session.ChooseFontSize(FontSizeItem::Bigger), "Restart the program");
    EXPECT_TRUE(session.ConfirmClose([](const std::string&) { return false; })); // no question
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
}

TEST_F(MainSessionTest, LanguageSwitchRetitlesTheSecondTableAndRebuildsTheFirst) {
    ASSERT_TRUE(Start().Loaded);
    session.ctx.history.menuekle(0, 0, 100, [&] { ShowLastGP(); });
    ShowLastGP();
    EXPECT_TRUE(session.CopyToNewTable());
    const std::string count = t2.CountLabel;
    EXPECT_EQ(session.ChooseLanguage(LanguageTurkish, settings).Mode, LanguageTurkish);
    EXPECT_EQ(session.ctx.history.HistCount(), 2); // the re-run does not record itself
    EXPECT_NE(t1.TitleLabel.find("Ekim"), std::string::npos) << t1.TitleLabel; // October
    for (const GridTable* t : {&t1, &t2}) {
        EXPECT_EQ(t->Title(1), " \xDDsim"); // " İsim"
        EXPECT_NE(t->CountLabel.find("kay\xFDt bulundu."), std::string::npos);
    }
    session.ChooseLanguage(LanguageEnglish, settings);
    EXPECT_EQ(t2.CountLabel, count);
    session.CloseSecondTable();
}

TEST(StartupSettings, WindowSizeZoomAndStatsWindowScale) {
    EXPECT_EQ(MinimumWindowSize(1366, 767).Width, 227 * 5);
    // Automatic (0) by screen height: the largest zoom for mid-sized screens; then big,
    // bigger, normal and unknown on any screen.
    const std::tuple<std::uint8_t, int, double> zooms[] = {
        {0, 900, 1.0}, {0, 901, 1.6},  {0, 1199, 1.6}, {0, 1200, 1.3},
        {1, 600, 1.3}, {2, 1600, 1.6}, {3, 1024, 1.0}, {200, 1024, 1.0}};
    for (const auto& [mode, height, zoom] : zooms)
        EXPECT_DOUBLE_EQ(ZoomFactorFor(mode, height), zoom) << int{mode} << " " << height;
    for (std::uint8_t mode = 0; mode < 4; ++mode) // the stored value gives the item back
        EXPECT_EQ(static_cast<int>(FontSizeMenuItem(mode)), mode);
    // An old file stores 0 for the stats window: Normal, so choosing Normal changes nothing.
    EXPECT_DOUBLE_EQ(StatsScaleOf(0), 1.0);
    EXPECT_FALSE(ChooseStatsWindowSize(0, 25).Changed);
    const StatsWindowResize r = ChooseStatsWindowSize(26, 24);
    EXPECT_EQ(std::make_tuple(r.Changed, r.NewSize, r.Steps), std::make_tuple(true, 24, 2));
    EXPECT_DOUBLE_EQ(r.StepFactor, 100.0 / 120.0);
}

TEST(DriverCombo, YearsOutsideLeaveTheBoxAloneAndAddedDriversAreAlwaysListed) {
    const auto db = testing::MakeSmallDatabase();
    // Who raced since a year is checked on the shipped data at start-up; here the edges.
    std::vector<std::string> items = {"keep"};
    EXPECT_FALSE(FillDriverCombo(*db, 1949, items));
    EXPECT_EQ(items, std::vector<std::string>{"keep"});
    // Drivers added after the shipped list are always listed, even without results.
    testing::DatabaseBuilder b(*db);
    while (db->DriverCount < FirstAddedDriver)
        b.Driver("Index " + std::to_string(db->DriverCount + 1));
    ASSERT_TRUE(FillDriverCombo(*db, db->LastYear, items));
    EXPECT_EQ(items.back(), "Index " + std::to_string(FirstAddedDriver));
}

TEST(PanelSlides, TablesWidenAndNarrowBy60TheChampionshipPanelBy40) {
    using S = std::pair<int, bool>;
    const auto v = [](SlideStep s) { return S{s.Value, s.Done}; };
    EXPECT_EQ(v(WidenTableStep(930, 1000)), (S{990, false}));
    EXPECT_EQ(v(WidenTableStep(931, 1000)), (S{980, true})); // fills the window less 20
    EXPECT_EQ(v(NarrowTableStep(869, 800)), (S{800, true}));
    EXPECT_EQ(v(OpenChampionshipStep(-39)), (S{0, true}));
    EXPECT_EQ(v(CloseChampionshipStep(-331, 300, 1.3)), (S{26 - 300, true})); // a strip stays
}

} // namespace
} // namespace qor
