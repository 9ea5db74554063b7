// Start-up decisions: minimum size, zoom, statistics-window scale, the driver box and the
// sliding panels' steps.

#include "mainwindow/StartupSettings.h"
#include "mainwindow/DriverCombo.h"
#include "mainwindow/PanelSlides.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qor {
namespace {

TEST(StartupSettings, WindowSizeZoomAndStatsWindowScale) {
    EXPECT_EQ(MinimumWindowSize(1366, 767).Width, 227 * 5);
    EXPECT_EQ(MinimumWindowSize(1366, 767).Height, 191 * 3);
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
    EXPECT_DOUBLE_EQ(StatsScaleOf(26), 1.2);
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
    EXPECT_FALSE(FillDriverCombo(*db, db->LastYear + 1, items));
    EXPECT_EQ(items, std::vector<std::string>{"keep"});
    // Drivers added after the shipped list are always listed, even without results.
    testing::DatabaseBuilder b(*db);
    while (db->DriverCount < FirstAddedDriver)
        b.Driver("Index " + std::to_string(db->DriverCount + 1));
    ASSERT_TRUE(FillDriverCombo(*db, db->LastYear, items));
    EXPECT_EQ(std::count(items.begin(), items.end(), "Index 778"), 0);
    EXPECT_EQ(items.back(), "Index " + std::to_string(FirstAddedDriver));
}

TEST(PanelSlides, TablesWidenAndNarrowBy60TheChampionshipPanelBy40) {
    using S = std::pair<int, bool>;
    const auto v = [](SlideStep s) { return S{s.Value, s.Done}; };
    EXPECT_EQ(v(WidenTableStep(930, 1000)), (S{990, false}));
    EXPECT_EQ(v(WidenTableStep(931, 1000)), (S{980, true})); // fills the window less 20
    EXPECT_EQ(v(NarrowTableStep(870, 800)), (S{810, false}));
    EXPECT_EQ(v(NarrowTableStep(869, 800)), (S{800, true}));
    EXPECT_EQ(v(OpenChampionshipStep(-40)), (S{0, false}));
    EXPECT_EQ(v(OpenChampionshipStep(-39)), (S{0, true}));
    EXPECT_EQ(v(CloseChampionshipStep(-330, 300, 1.0)), (S{-370, false}));
    EXPECT_EQ(v(CloseChampionshipStep(-331, 300, 1.3)), (S{26 - 300, true})); // a strip stays
}

} // namespace
} // namespace qor
