// Start-up decisions: minimum size, zoom, statistics-window scale, theme menu choices, the
// driver box and the sliding panels' steps.

#include "mainwindow/StartupSettings.h"
#include "mainwindow/DriverCombo.h"
#include "mainwindow/PanelSlides.h"
#include "mainwindow/ThemePalette.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qor {
namespace {

TEST(StartupSettings, WindowSizeAndZoom) {
    const WindowSize min = MinimumWindowSize(1366, 767);
    EXPECT_EQ(std::make_pair(min.Width, min.Height), std::make_pair(227 * 5, 191 * 3));
    struct Case {
        std::uint8_t mode;
        int height;
        double zoom;
        const char* why;
    } const cases[] = {
        {0, 900, 1.0, "automatic, up to 900 high"},
        {0, 901, 1.6, "automatic, mid-sized"},
        {0, 1199, 1.6, "automatic, mid-sized"},
        {0, 1200, 1.3, "automatic, tall"},
        {1, 600, 1.3, "big on any screen"},
        {2, 1600, 1.6, "bigger on any screen"},
        {3, 1024, 1.0, "normal"},
        {200, 1024, 1.0, "unknown: normal"},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ZoomFactorFor(c.mode, c.height), c.zoom) << c.why << " " << c.height;
    // The stored value of each menu item gives that item back after a restart.
    for (auto item :
         {FontSizeItem::Automatic, FontSizeItem::Big, FontSizeItem::Bigger, FontSizeItem::Normal})
        EXPECT_EQ(FontSizeMenuItem(static_cast<std::uint8_t>(item)), item);
    EXPECT_EQ(FontSizeMenuItem(9), FontSizeItem::Normal);
}

TEST(StartupSettings, StatsWindowScaleAndResizeSteps) {
    EXPECT_DOUBLE_EQ(StatsScaleOf(24), 1.0 / 1.2);
    EXPECT_DOUBLE_EQ(StatsScaleOf(26), 1.2);
    EXPECT_DOUBLE_EQ(StatsScaleOf(0), 1.0); // an old file stores 0: Normal
    EXPECT_DOUBLE_EQ(StatsScaleOf(27), 1.0);
    struct Case {
        std::uint8_t from, to;
        bool changed;
        int steps;
        double factor;
    } const cases[] = {{24, 26, true, 2, 1.2},
                       {26, 25, true, 1, 100.0 / 120.0},
                       {0, 25, false, 0, 0},
                       {0, 24, true, 1, 100.0 / 120.0}};
    for (const Case& c : cases) {
        const StatsWindowResize r = ChooseStatsWindowSize(c.from, c.to);
        EXPECT_EQ(std::make_tuple(r.Changed, r.NewSize, r.Steps),
                  std::make_tuple(c.changed, c.to, c.steps))
            << int{c.from} << " to " << int{c.to};
        if (c.changed) {
            EXPECT_DOUBLE_EQ(r.StepFactor, c.factor);
        }
    }
}

TEST(StartupSettings, ThemeMenuKeepsTheModernStyle) {
    EXPECT_EQ(ThemeMenuChoice(0, 3), 3);
    EXPECT_EQ(ThemeMenuChoice(102, 4), 104);
    EXPECT_EQ(ModernToggled(2), 102);
    EXPECT_EQ(ModernToggled(102), 2);
}

TEST(DriverCombo, ListsDriversWithResultsSinceTheYearAndAddedOnesInIndexOrder) {
    const auto db = testing::MakeSmallDatabase();
    std::vector<std::string> all, since1952;
    ASSERT_TRUE(FillDriverCombo(*db, 1950, all));
    ASSERT_TRUE(FillDriverCombo(*db, 1952, since1952));
    ASSERT_FALSE(since1952.empty());
    EXPECT_LT(since1952.size(), all.size());
    const int first = db->GPs[db->Seasons[1952].FirstGP].FirstResult;
    for (const std::string& name : since1952) {
        bool found = false;
        for (int r = first; r <= db->ResultCount; ++r)
            found |= db->Results[r].Driver == db->FindDriver(name);
        EXPECT_TRUE(found) << name;
    }
    for (std::size_t i = 1; i < all.size(); ++i)
        EXPECT_LT(db->FindDriver(all[i - 1]), db->FindDriver(all[i]));
    EXPECT_EQ(std::count(all.begin(), all.end(), "Ayrton Senna"), 0); // no result at all
    // Years outside the database leave the box alone.
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
    EXPECT_EQ(v(WidenTableStep(800, 1000)), (S{860, false}));
    EXPECT_EQ(v(WidenTableStep(930, 1000)), (S{990, false}));
    EXPECT_EQ(v(WidenTableStep(931, 1000)), (S{980, true})); // fills the window less 20
    EXPECT_EQ(v(NarrowTableStep(870, 800)), (S{810, false}));
    EXPECT_EQ(v(NarrowTableStep(869, 800)), (S{800, true}));
    EXPECT_EQ(ClosedChampionshipTop(300, 1.0), -280);
    EXPECT_EQ(v(OpenChampionshipStep(-40)), (S{0, false}));
    EXPECT_EQ(v(OpenChampionshipStep(-39)), (S{0, true}));
    EXPECT_EQ(v(CloseChampionshipStep(-330, 300, 1.0)), (S{-370, false}));
    EXPECT_EQ(v(CloseChampionshipStep(-331, 300, 1.3)), (S{26 - 300, true})); // a strip stays
}

} // namespace
} // namespace qor
