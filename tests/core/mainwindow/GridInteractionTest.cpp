// Selecting, right clicking, Ctrl+clicking and double clicking grid cells.

#include "mainwindow/GridInteraction.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using testing::EnglishLangs;
using testing::FillGPResultTable;

class GridInteractionTest : public ::testing::Test {
  protected:
    std::unique_ptr<The_Class> db = testing::MakeSmallDatabase();
    Langs langs = EnglishLangs();
    ResultGrid model{langs};
    GridFilter filter{model.Roles()};
    GridInteraction grid{model, filter, *db};

    // A list of GPs as the record lists show it: number, date, track, name, key (result).
    void FillWinsList() {
        model.SetTableColumns({6, 25, 85, 100, 140, 0});
        model.SetColumnTitles(
            {"", langs.Title(slot::Date), langs.Title(slot::Track), langs.Title(slot::Name), ""});
        const std::vector<std::vector<std::string>> rows = {
            {"1", "13 May 1950", "1950 - Silverstone", "Nino Farina", "1"},
            {"2", "21 May 1950", "Monte Carlo", "Juan Manuel Fangio", "5"},
            {"3", "01 Jan 1951", "Nowhere", "Nobody", "0"},
        };
        int n = 0;
        for (const auto& row : rows) {
            model.tablo1.SetRowCount(++n + 1);
            model.StartGridRow(n);
            for (const auto& c : row)
                model.AddGridCell(c);
        }
        model.tablo1kayitsayisi(static_cast<std::uint16_t>(n));
    }
    std::string Caption(const GridAction& a, const std::string& item) const {
        for (const auto& c : a.Captions)
            if (c.Item == item) return c.Caption;
        return "<unset>";
    }
};

TEST(NoteCodesTest, FirstOccurrenceOfEachCodeIsExpanded) {
    EXPECT_EQ(ExpandNoteCodes("DNS, FL"), "Did Not Start, Fastest Lap");
    EXPECT_EQ(ExpandNoteCodes("FL, FL"), "Fastest Lap, FL");
    EXPECT_EQ(ExpandNoteCodes("DNQ"), "Did Not Qualified");
    EXPECT_EQ(ExpandNoteCodes("Disq"), "Disqualified");
    EXPECT_EQ(ExpandNoteCodes("S&G, NC"), "Stop and Go, Not Classified");
    EXPECT_EQ(ExpandNoteCodes("Engine"), "Engine");
}

TEST_F(GridInteractionTest, StatusLineOfASelectedCell) {
    FillGPResultTable(model, *db, 1);
    GridTable& t = model.tablo1;
    t.SetCell(5, 1, "DNS, FL");
    EXPECT_EQ(StatusLineForCell(t, 5, 1, *db, model.Roles()), "  Did Not Start, Fastest Lap");
    EXPECT_EQ(StatusLineForCell(t, 1, 1, *db, model.Roles()), "  Nino Farina");
    // Team abbreviations under six characters are spelled out.
    EXPECT_EQ(StatusLineForCell(t, 2, 3, *db, model.Roles()), "  English Racing Automobiles");
    t.SetCell(2, 2, "Ferrari");
    EXPECT_EQ(StatusLineForCell(t, 2, 2, *db, model.Roles()), "  Ferrari");
    t.SetCell(2, 2, "Lotus");
    EXPECT_EQ(StatusLineForCell(t, 2, 2, *db, model.Roles()), "  Lotus");
    // Codes are expanded in the notes column only.
    t.SetCell(1, 2, "FL");
    EXPECT_EQ(StatusLineForCell(t, 1, 2, *db, model.Roles()), "  FL");
    EXPECT_EQ(StatusLineForCell(t, 3, 4, *db, model.Roles()), std::nullopt); // empty Pos
}

TEST_F(GridInteractionTest, SelectingCells) {
    FillGPResultTable(model, *db, 1);
    GridTable& t = model.tablo1;
    t.Row = 1;
    model.ClickCol = 1;
    EXPECT_TRUE(grid.SelectCell(t, 1, 1).Unchanged); // the current cell
    EXPECT_TRUE(grid.SelectCell(t, 2, 0).Unchanged); // the title row

    const CellSelection name = grid.SelectCell(t, 1, 2);
    EXPECT_TRUE(name.Allowed);
    EXPECT_EQ(name.Status, "  Luigi Fagioli");
    EXPECT_EQ(name.DriverBoxText, "Luigi Fagioli");
    EXPECT_FALSE(name.GPInfo.has_value()); // not a list of GPs
    EXPECT_EQ(t.Row, 2);

    const CellSelection team = grid.SelectCell(t, 2, 3);
    EXPECT_FALSE(team.DriverBoxText.has_value());

    t.SetRowHeight(4, 0);
    EXPECT_FALSE(grid.SelectCell(t, 1, 4).Allowed);
    EXPECT_EQ(t.Row, 3);
}

TEST_F(GridInteractionTest, SelectingARowOfAGPListShowsThatGPsInformation) {
    FillWinsList();
    EXPECT_EQ(grid.SelectCell(model.tablo1, 3, 2).GPInfo, std::optional<std::uint16_t>(2));
    EXPECT_EQ(grid.SelectCell(model.tablo1, 3, 3).GPInfo, std::optional<std::uint16_t>(0));
}

TEST_F(GridInteractionTest, RightClickOnANameOpensTheDriverPopup) {
    FillGPResultTable(model, *db, 1);
    const GridAction a = grid.MouseDown(model.tablo1, 1, 3, MouseButton::Right, false);
    EXPECT_EQ(model.ClickCol, 1);
    EXPECT_EQ(model.ClickRow, 3);
    EXPECT_EQ(a.Kind, GridActionKind::OpenPopup);
    EXPECT_EQ(a.Popup, GridPopup::Driver);
    EXPECT_EQ(model.SelectedRecord, 3);
    EXPECT_EQ(a.DriverBoxText, "Reg Parnell");
    EXPECT_EQ(Caption(a, "Aboutdriver1"), "Reg Parnell");
    EXPECT_EQ(Caption(a, "onthisteam1"), "ERA");
    EXPECT_EQ(Caption(a, "onthisyear1"), "1950");
    EXPECT_EQ(Caption(a, "onthispist1"), "Silverstone");
}

TEST_F(GridInteractionTest, RightClickOnATeam) {
    FillGPResultTable(model, *db, 4);
    const GridAction a = grid.MouseDown(model.tablo1, 2, 1, MouseButton::Right, false);
    EXPECT_EQ(a.Popup, GridPopup::Team);
    EXPECT_EQ(model.SelectedRecord, 7);
    EXPECT_EQ(Caption(a, "aboutteam1"), "Ferrari");
    EXPECT_EQ(Caption(a, "bythisdriver1"), "Reg Parnell");
    EXPECT_EQ(Caption(a, "onthisyear2"), "1952");
    EXPECT_EQ(Caption(a, "onthispist2"), "Silverstone");
}

TEST_F(GridInteractionTest, RightClickWhoseGPIsUnknownLeavesYearAndTrackCaptions) {
    FillWinsList();
    model.tablo1.SetCell(4, 1, "9999"); // no such result
    const GridAction a = grid.MouseDown(model.tablo1, 3, 1, MouseButton::Right, false);
    EXPECT_EQ(a.Kind, GridActionKind::OpenPopup);
    EXPECT_EQ(Caption(a, "onthisyear1"), "<unset>");
    EXPECT_EQ(Caption(a, "onthispist1"), "<unset>");
    EXPECT_EQ(Caption(a, "Aboutdriver1"), "_____");
}

TEST_F(GridInteractionTest, RightClickOnATrackDropsTheYearPrefix) {
    FillWinsList();
    GridAction a = grid.MouseDown(model.tablo1, 2, 1, MouseButton::Right, false);
    EXPECT_EQ(a.Popup, GridPopup::Track);
    EXPECT_EQ(Caption(a, "aboutpist1"), "Silverstone");
    a = grid.MouseDown(model.tablo1, 2, 2, MouseButton::Right, false);
    EXPECT_EQ(Caption(a, "aboutpist1"), "Monte Carlo");
}

TEST_F(GridInteractionTest, RightClickOnPointsColumnsLooksTheNameUp) {
    model.SetTableColumns({4, 25, 140, 140, 0});
    model.SetColumnTitles({"", "Champion Driver", "Constructors", ""});
    model.tablo1.SetRowCount(2);
    model.StartGridRow(1);
    for (const char* c : {"1", "Juan Manuel Fangio", "ERA", "77"})
        model.AddGridCell(c);
    GridAction a = grid.MouseDown(model.tablo1, 1, 1, MouseButton::Right, false);
    EXPECT_EQ(a.Popup, GridPopup::DriverPoints);
    EXPECT_EQ(model.SelectedRecord, 2);
    EXPECT_EQ(Caption(a, "Driver1"), "Juan Manuel Fangio");
    a = grid.MouseDown(model.tablo1, 2, 1, MouseButton::Right, false);
    EXPECT_EQ(a.Popup, GridPopup::TeamPoints);
    EXPECT_EQ(model.SelectedRecord, 3);
    EXPECT_EQ(Caption(a, "team1"), "ERA");
}

TEST_F(GridInteractionTest, RightClickElsewhereOnlyRemembersTheRecord) {
    FillGPResultTable(model, *db, 1);
    model.SelectedRecord = 0;
    GridAction a = grid.MouseDown(model.tablo1, 4, 2, MouseButton::Right, false); // " Time"
    EXPECT_EQ(a.Kind, GridActionKind::None);
    EXPECT_EQ(model.SelectedRecord, 2);
    model.SelectedRecord = 0;
    a = grid.MouseDown(model.tablo1, 3, 4, MouseButton::Right, false); // empty Pos cell
    EXPECT_EQ(a.Kind, GridActionKind::None);
    EXPECT_EQ(model.SelectedRecord, 0);
    a = grid.MouseDown(model.tablo1, -1, 2, MouseButton::Right, false);
    EXPECT_EQ(a.Kind, GridActionKind::None);
    EXPECT_EQ(model.ClickCol, -1);
}

TEST_F(GridInteractionTest, CtrlClickTogglesTheHighlight) {
    FillGPResultTable(model, *db, 1);
    GridAction a = grid.MouseDown(model.tablo1, 1, 2, MouseButton::Left, true);
    EXPECT_EQ(a.Kind, GridActionKind::RepaintGrids);
    EXPECT_EQ(model.HighlightName, "Luigi Fagioli");
    grid.MouseDown(model.tablo1, 1, 1, MouseButton::Left, true);
    EXPECT_EQ(model.HighlightName, "Nino Farina");
    grid.MouseDown(model.tablo1, 1, 1, MouseButton::Left, true);
    EXPECT_EQ(model.HighlightName, "");
    a = grid.MouseDown(model.tablo1, 2, 1, MouseButton::Left, true); // a team: no driver
    EXPECT_EQ(a.Kind, GridActionKind::None);
    EXPECT_EQ(model.HighlightName, "");
    grid.MouseDown(model.tablo1, 1, 1, MouseButton::Left, false);
    EXPECT_EQ(model.HighlightName, "");
}

TEST_F(GridInteractionTest, LeftClickOnTheTitleRowOpensTheFilter) {
    FillGPResultTable(model, *db, 1);
    GridAction a = grid.MouseDown(model.tablo1, 2, 0, MouseButton::Left, false, 190);
    EXPECT_EQ(a.Kind, GridActionKind::FilterOpened);
    EXPECT_EQ(filter.Box.Items, (std::vector<std::string>{" Team", "Alfa Romeo", "ERA"}));
    EXPECT_EQ(filter.Box.Left, 190);
    a = grid.MouseDown(model.tablo1, 3, 0, MouseButton::Left, false);
    EXPECT_EQ(a.Kind, GridActionKind::None);
}

TEST_F(GridInteractionTest, DoubleClickOnADateShowsThatGP) {
    FillWinsList();
    model.tablo1.Row = 2;
    grid.MouseDown(model.tablo1, 1, 2, MouseButton::Left, false);
    const GridAction a = grid.DoubleClick(model.tablo1);
    EXPECT_EQ(a.Kind, GridActionKind::ShowGP);
    EXPECT_EQ(a.Year, 1950);
    EXPECT_EQ(a.GP, 2);
    EXPECT_EQ(a.GPListIndex, 1);
    EXPECT_EQ(a.SelectName, "Juan Manuel Fangio");
    // A date no GP has: nothing.
    model.tablo1.Row = 3;
    EXPECT_EQ(grid.DoubleClick(model.tablo1).Kind, GridActionKind::None);
}

TEST_F(GridInteractionTest, DoubleClickOnANameRunsTheAnalysis) {
    FillGPResultTable(model, *db, 1);
    model.tablo1.Row = 4;
    grid.MouseDown(model.tablo1, 1, 4, MouseButton::Left, false);
    GridAction a = grid.DoubleClick(model.tablo1);
    EXPECT_EQ(a.Kind, GridActionKind::AnalyzeDriver);
    EXPECT_EQ(a.DriverBoxText, "Juan Manuel Fangio");
    grid.MouseDown(model.tablo1, 2, 4, MouseButton::Left, false);
    EXPECT_EQ(grid.DoubleClick(model.tablo1).Kind, GridActionKind::None);
    grid.MouseDown(model.tablo1, 1, 0, MouseButton::Left, false);
    EXPECT_EQ(grid.DoubleClick(model.tablo1).Kind, GridActionKind::None);
}

TEST_F(GridInteractionTest, SelectingTheDriverRowInTheShownGP) {
    FillGPResultTable(model, *db, 1);
    GridTable& t = model.tablo1;
    t.TopRow = 1;
    EXPECT_EQ(SelectRowWithName(t, model.Roles(), "Reg Parnell", 10), 3);
    EXPECT_EQ(t.Row, 3);
    EXPECT_EQ(t.TopRow, 1);
    EXPECT_EQ(SelectRowWithName(t, model.Roles(), "Juan Manuel Fangio", 2), 4);
    EXPECT_EQ(t.TopRow, 2);
    EXPECT_EQ(SelectRowWithName(t, model.Roles(), "Nobody", 2), 0);
    EXPECT_EQ(t.Row, 4);
}

} // namespace
} // namespace qor
