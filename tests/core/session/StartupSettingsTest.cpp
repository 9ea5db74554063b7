// Start-up decisions: caption, minimum size, zoom, statistics-window scale, theme menu choices,
// the driver box and the sliding panels' steps.

#include "mainwindow/StartupSettings.h"
#include "mainwindow/DriverCombo.h"
#include "mainwindow/PanelSlides.h"
#include "mainwindow/ThemePalette.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qor {
namespace {

TEST(StartupSettings, CaptionAndMinimumSize) {
    EXPECT_EQ(MainWindowCaption(), std::string("Qor v1.88    1950-2006    ") + ProjectWebAddress +
                                       "  Not Official Results");
    const WindowSize min = MinimumWindowSize(1366, 767);
    EXPECT_EQ(min.Width, 1135); // 1366 div 6 = 227, x 5
    EXPECT_EQ(min.Height, 573); // 767 div 4 = 191, x 3
}

TEST(StartupSettings, AutomaticZoomFollowsTheScreenHeight) {
    EXPECT_DOUBLE_EQ(ZoomFactorFor(0, 768), 1.0);
    EXPECT_DOUBLE_EQ(ZoomFactorFor(0, 900), 1.0);
    EXPECT_DOUBLE_EQ(ZoomFactorFor(0, 901), 1.6);
    EXPECT_DOUBLE_EQ(ZoomFactorFor(0, 1024), 1.6);
    EXPECT_DOUBLE_EQ(ZoomFactorFor(0, 1199), 1.6);
    // Taller screens get the smaller of the two zooms.
    EXPECT_DOUBLE_EQ(ZoomFactorFor(0, 1200), 1.3);
    EXPECT_DOUBLE_EQ(ZoomFactorFor(0, 2160), 1.3);
}

TEST(StartupSettings, ChosenFontSizesIgnoreTheScreen) {
    for (int h : {600, 1024, 1600}) {
        EXPECT_DOUBLE_EQ(ZoomFactorFor(1, h), 1.3);
        EXPECT_DOUBLE_EQ(ZoomFactorFor(2, h), 1.6);
        EXPECT_DOUBLE_EQ(ZoomFactorFor(3, h), 1.0);
        EXPECT_DOUBLE_EQ(ZoomFactorFor(200, h), 1.0);
    }
    EXPECT_EQ(FontSizeMenuItem(0), FontSizeItem::Automatic);
    EXPECT_EQ(FontSizeMenuItem(1), FontSizeItem::Big);
    EXPECT_EQ(FontSizeMenuItem(2), FontSizeItem::Bigger);
    EXPECT_EQ(FontSizeMenuItem(3), FontSizeItem::Normal);
    EXPECT_EQ(FontSizeMenuItem(9), FontSizeItem::Normal);
    // The stored value of each menu item gives that item back after a restart.
    for (auto item :
         {FontSizeItem::Automatic, FontSizeItem::Big, FontSizeItem::Bigger, FontSizeItem::Normal})
        EXPECT_EQ(FontSizeMenuItem(static_cast<std::uint8_t>(item)), item);
}

TEST(StartupSettings, StatsWindowScale) {
    EXPECT_DOUBLE_EQ(StatsScaleOf(24), 1.0 / 1.2);
    EXPECT_DOUBLE_EQ(StatsScaleOf(25), 1.0);
    EXPECT_DOUBLE_EQ(StatsScaleOf(26), 1.2);
    // An old file stores 0: it counts as Normal.
    EXPECT_EQ(NormalStatsWindowSize(0), StatsWindowNormal);
    EXPECT_DOUBLE_EQ(StatsScaleOf(0), 1.0);
    EXPECT_DOUBLE_EQ(StatsScaleOf(27), 1.0);
}

TEST(StartupSettings, ChoosingAStatsWindowSizeRescalesStepByStep) {
    StatsWindowResize r = ChooseStatsWindowSize(24, 26);
    EXPECT_TRUE(r.Changed);
    EXPECT_EQ(r.NewSize, 26);
    EXPECT_EQ(r.Steps, 2);
    EXPECT_DOUBLE_EQ(r.StepFactor, 1.2);

    r = ChooseStatsWindowSize(26, 25);
    EXPECT_TRUE(r.Changed);
    EXPECT_EQ(r.Steps, 1);
    EXPECT_DOUBLE_EQ(r.StepFactor, 100.0 / 120.0);

    // 0 is first taken as Normal, so choosing Normal changes nothing but the stored value.
    r = ChooseStatsWindowSize(0, 25);
    EXPECT_FALSE(r.Changed);
    EXPECT_EQ(r.NewSize, 25);
    EXPECT_EQ(r.Steps, 0);
    r = ChooseStatsWindowSize(0, 24);
    EXPECT_TRUE(r.Changed);
    EXPECT_EQ(r.Steps, 1);
}

TEST(StartupSettings, ThemeMenuKeepsTheModernStyle) {
    EXPECT_EQ(ThemeMenuChoice(0, 3), 3);
    EXPECT_EQ(ThemeMenuChoice(102, 4), 104);
    EXPECT_EQ(ThemeMenuChoice(100, 0), 100);
    EXPECT_EQ(ModernToggled(2), 102);
    EXPECT_EQ(ModernToggled(102), 2);
    EXPECT_EQ(ModernToggled(ModernToggled(4)), 4);
}

// ---- Driver box ------------------------------------------------------------------------

TEST(DriverCombo, ListsDriversWithResultsSinceTheYearInIndexOrder) {
    const auto db = testing::MakeSmallDatabase();
    std::vector<std::string> all;
    ASSERT_TRUE(FillDriverCombo(*db, 1950, all));
    std::vector<std::string> since1952;
    ASSERT_TRUE(FillDriverCombo(*db, 1952, since1952));
    // Every listed name has a result from the first GP of the year on.
    ASSERT_FALSE(since1952.empty());
    EXPECT_LE(since1952.size(), all.size());
    const TSeasonRow& s = db->Seasons[1952];
    const int first = db->GPs[s.FirstGP].FirstResult;
    for (const std::string& name : since1952) {
        const auto d = db->FindDriver(name);
        bool found = false;
        for (int r = first; r <= db->ResultCount; ++r)
            found |= db->Results[r].Driver == d;
        EXPECT_TRUE(found) << name;
    }
    // Index order.
    for (std::size_t i = 1; i < all.size(); ++i)
        EXPECT_LT(db->FindDriver(all[i - 1]), db->FindDriver(all[i]));
    // A driver without any result is never listed.
    EXPECT_EQ(std::count(all.begin(), all.end(), "Ayrton Senna"), 0);
}

TEST(DriverCombo, YearsOutsideTheDatabaseLeaveTheBoxAlone) {
    const auto db = testing::MakeSmallDatabase();
    std::vector<std::string> items = {"keep"};
    EXPECT_FALSE(FillDriverCombo(*db, 1949, items));
    EXPECT_FALSE(FillDriverCombo(*db, db->LastYear + 1, items));
    EXPECT_EQ(items, std::vector<std::string>{"keep"});
}

TEST(DriverCombo, DriversAddedAfterTheShippedListAreAlwaysListed) {
    const auto db = testing::MakeSmallDatabase();
    testing::DatabaseBuilder b(*db);
    while (db->DriverCount < FirstAddedDriver - 2)
        b.Driver("Filler " + std::to_string(db->DriverCount));
    b.Driver("Index 778");
    b.Driver("Index 779");
    b.Driver("Index 780");
    std::vector<std::string> items;
    ASSERT_TRUE(FillDriverCombo(*db, db->LastYear, items));
    EXPECT_EQ(std::count(items.begin(), items.end(), "Index 778"), 0);
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[items.size() - 2], "Index 779");
    EXPECT_EQ(items.back(), "Index 780");
}

// ---- Sliding panels ---------------------------------------------------------------------

TEST(PanelSlides, WideningGrowsBy60ThenFillsTheWindow) {
    int width = 800;
    int ticks = 0;
    SlideStep s;
    do {
        s = WidenTableStep(width, 1000);
        width = s.Value;
        ++ticks;
    } while (!s.Done && ticks < 100);
    EXPECT_TRUE(s.Done);
    EXPECT_EQ(width, 980);
    EXPECT_EQ(ticks, 4); // 860, 920, 980 (930 >= 920), then 1000 - 70 < 980 ends at 980
    EXPECT_EQ(WidenTableStep(800, 1000).Value, 860);
}

TEST(PanelSlides, NarrowingShrinksBy60ThenTakesTheNormalWidth) {
    EXPECT_EQ(NarrowTableStep(980, 800).Value, 920);
    EXPECT_FALSE(NarrowTableStep(980, 800).Done);
    EXPECT_EQ(NarrowTableStep(869, 800).Value, 800);
    EXPECT_TRUE(NarrowTableStep(869, 800).Done);
    EXPECT_FALSE(NarrowTableStep(870, 800).Done);
}

TEST(PanelSlides, ChampionshipPanelOpensAndClosesToAStrip) {
    int top = ClosedChampionshipTop(300, 1.0);
    EXPECT_EQ(top, -280);
    SlideStep s;
    int ticks = 0;
    do {
        s = OpenChampionshipStep(top);
        top = s.Value;
        ++ticks;
    } while (!s.Done && ticks < 100);
    EXPECT_EQ(top, 0);
    ticks = 0;
    do {
        s = CloseChampionshipStep(top, 300, 1.3);
        top = s.Value;
        ++ticks;
    } while (!s.Done && ticks < 100);
    EXPECT_TRUE(s.Done);
    EXPECT_EQ(top, 26 - 300);
    EXPECT_EQ(CloseChampionshipStep(-330, 300, 1.0).Value, -370);
    EXPECT_TRUE(CloseChampionshipStep(-331, 300, 1.0).Done);
}

} // namespace
} // namespace qor
