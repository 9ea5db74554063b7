// Selecting, right clicking, Ctrl+clicking and double clicking grid cells.

#include "mainwindow/GridInteraction.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"
#include "support/MainWindowRows.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class GridInteractionTest : public ::testing::Test {
  protected:
    std::unique_ptr<The_Class> db = testing::MakeSmallDatabase();
    Langs langs = testing::EnglishLangs();
    ResultGrid model{langs};
    GridFilter filter{model.Roles()};
    GridInteraction grid{model, filter, *db};
    GridTable& t = model.tablo1;

    // GP 1 of the small database: Farina, Fagioli, Parnell (ERA), Fangio; result keys 1..4.
    void FillGP() { testing::FillGPResultTable(model, *db, 1); }
    // A list of GPs as the record lists show it: number, date, track, name, key (result).
    void FillWinsList() {
        testing::FillRows(model, {6, 25, 85, 100, 140, 0}, {"", " Date", " Track", " Name", ""},
                          {{"1", "13 May 1950", "1950 - Silverstone", "Nino Farina", "1"},
                           {"2", "21 May 1950", "Monte Carlo", "Juan Manuel Fangio", "5"},
                           {"3", "01 Jan 1951", "Nowhere", "Nobody", "0"}});
    }
    GridAction Right(int col, int row) {
        return grid.MouseDown(t, col, row, MouseButton::Right, false);
    }
    // The caption a popup action gives a menu item, "<unset>" when it leaves it alone.
    static std::string Caption(const GridAction& a, const std::string& item) {
        for (const auto& c : a.Captions)
            if (c.Item == item) return c.Caption;
        return "<unset>";
    }
};

TEST_F(GridInteractionTest, StatusLineSpellsOutNoteCodesAndShortTeamNames) {
    EXPECT_EQ(ExpandNoteCodes("DNS, FL"), "Did Not Start, Fastest Lap");
    EXPECT_EQ(ExpandNoteCodes("FL, FL"), "Fastest Lap, FL"); // the first of each only
    EXPECT_EQ(ExpandNoteCodes("S&G, NC, Disq"), "Stop and Go, Not Classified, Disqualified");
    FillGP();
    t.SetCell(5, 1, "DNS");
    t.SetCell(1, 2, "FL");
    t.SetCell(2, 2, "Lotus");
    const auto status = [&](int c, int r) {
        return StatusLineForCell(t, c, r, *db, model.Roles());
    };
    EXPECT_EQ(status(5, 1), "  Did Not Start");
    EXPECT_EQ(status(1, 2), "  FL"); // codes only in the notes column
    EXPECT_EQ(status(2, 3), "  English Racing Automobiles");
    EXPECT_EQ(status(2, 2), "  Lotus");    // not a known abbreviation
    EXPECT_EQ(status(3, 4), std::nullopt); // an empty cell
}

TEST_F(GridInteractionTest, SelectingCells) {
    FillGP();
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
    EXPECT_FALSE(grid.SelectCell(t, 2, 3).DriverBoxText.has_value()); // a team
    t.SetRowHeight(4, 0);
    EXPECT_FALSE(grid.SelectCell(t, 1, 4).Allowed);
    EXPECT_EQ(t.Row, 3);
    // In a list of GPs a row shows that GP's information (0: no such GP).
    FillWinsList();
    EXPECT_EQ(grid.SelectCell(t, 3, 2).GPInfo, std::optional<std::uint16_t>(2));
    EXPECT_EQ(grid.SelectCell(t, 3, 3).GPInfo, std::optional<std::uint16_t>(0));
}

TEST_F(GridInteractionTest, RightClickOpensThePopupOfTheColumnsRole) {
    FillGP();
    GridAction a = Right(1, 3);
    EXPECT_EQ(std::make_pair(model.ClickCol, model.ClickRow), std::make_pair(1, 3));
    EXPECT_EQ(a.Kind, GridActionKind::OpenPopup);
    EXPECT_EQ(a.Popup, GridPopup::Driver);
    EXPECT_EQ(model.SelectedRecord, 3);
    EXPECT_EQ(a.DriverBoxText, "Reg Parnell");
    for (const auto& [item, caption] : {std::pair{"Aboutdriver1", "Reg Parnell"},
                                        {"onthisteam1", "ERA"},
                                        {"onthisyear1", "1950"},
                                        {"onthispist1", "Silverstone"}})
        EXPECT_EQ(Caption(a, item), caption) << item;

    testing::FillGPResultTable(model, *db, 4);
    a = Right(2, 1);
    EXPECT_EQ(a.Popup, GridPopup::Team);
    EXPECT_EQ(model.SelectedRecord, 7);
    for (const auto& [item, caption] : {std::pair{"aboutteam1", "Ferrari"},
                                        {"bythisdriver1", "Reg Parnell"},
                                        {"onthisyear2", "1952"},
                                        {"onthispist2", "Silverstone"}})
        EXPECT_EQ(Caption(a, item), caption) << item;

    // A track loses its year prefix; a record whose GP is unknown leaves year and track alone.
    FillWinsList();
    EXPECT_EQ(Right(2, 1).Popup, GridPopup::Track);
    EXPECT_EQ(Caption(Right(2, 1), "aboutpist1"), "Silverstone");
    EXPECT_EQ(Caption(Right(2, 2), "aboutpist1"), "Monte Carlo");
    t.SetCell(4, 1, "9999");
    a = Right(3, 1);
    EXPECT_EQ(Caption(a, "onthisyear1"), "<unset>");
    EXPECT_EQ(Caption(a, "onthispist1"), "<unset>");

    // Points columns look the name up.
    testing::FillRows(model, {4, 25, 140, 140, 0}, {"", "Champion Driver", "Constructors", ""},
                      {{"1", "Juan Manuel Fangio", "ERA", "77"}});
    a = Right(1, 1);
    EXPECT_EQ(a.Popup, GridPopup::DriverPoints);
    EXPECT_EQ(model.SelectedRecord, 2);
    EXPECT_EQ(Caption(a, "Driver1"), "Juan Manuel Fangio");
    a = Right(2, 1);
    EXPECT_EQ(a.Popup, GridPopup::TeamPoints);
    EXPECT_EQ(model.SelectedRecord, 3);
    EXPECT_EQ(Caption(a, "team1"), "ERA");
}

TEST_F(GridInteractionTest, RightClickElsewhereOnlyRemembersTheRecord) {
    FillGP();
    model.SelectedRecord = 0;
    EXPECT_EQ(Right(4, 2).Kind, GridActionKind::None); // " Time"
    EXPECT_EQ(model.SelectedRecord, 2);
    model.SelectedRecord = 0;
    EXPECT_EQ(Right(3, 4).Kind, GridActionKind::None); // an empty cell
    EXPECT_EQ(model.SelectedRecord, 0);
    EXPECT_EQ(Right(-1, 2).Kind, GridActionKind::None);
    EXPECT_EQ(model.ClickCol, -1);
}

TEST_F(GridInteractionTest, LeftClicksHighlightOrOpenTheFilter) {
    FillGP();
    const auto click = [&](int col, int row, bool ctrl, int left = 0) {
        return grid.MouseDown(t, col, row, MouseButton::Left, ctrl, left).Kind;
    };
    EXPECT_EQ(click(1, 2, true), GridActionKind::RepaintGrids);
    EXPECT_EQ(model.HighlightName, "Luigi Fagioli");
    click(1, 1, true);
    EXPECT_EQ(model.HighlightName, "Nino Farina");
    click(1, 1, true); // the same name again: off
    EXPECT_EQ(model.HighlightName, "");
    EXPECT_EQ(click(2, 1, true), GridActionKind::None); // a team is no driver
    click(1, 1, false);
    EXPECT_EQ(model.HighlightName, "");

    EXPECT_EQ(click(2, 0, false, 190), GridActionKind::FilterOpened);
    EXPECT_EQ(filter.Box.Items, (std::vector<std::string>{" Team", "Alfa Romeo", "ERA"}));
    EXPECT_EQ(filter.Box.Left, 190);
    EXPECT_EQ(click(3, 0, false), GridActionKind::None);
}

TEST_F(GridInteractionTest, DoubleClickShowsTheGPOfADateOrAnalysesADriver) {
    FillWinsList();
    t.Row = 2;
    grid.MouseDown(t, 1, 2, MouseButton::Left, false);
    GridAction a = grid.DoubleClick(t);
    EXPECT_EQ(a.Kind, GridActionKind::ShowGP);
    EXPECT_EQ(std::make_tuple(a.Year, a.GP, a.GPListIndex), std::make_tuple(1950, 2, 1));
    EXPECT_EQ(a.SelectName, "Juan Manuel Fangio");
    t.Row = 3; // a date no GP has
    EXPECT_EQ(grid.DoubleClick(t).Kind, GridActionKind::None);

    FillGP();
    t.Row = 4;
    grid.MouseDown(t, 1, 4, MouseButton::Left, false);
    a = grid.DoubleClick(t);
    EXPECT_EQ(a.Kind, GridActionKind::AnalyzeDriver);
    EXPECT_EQ(a.DriverBoxText, "Juan Manuel Fangio");
    for (const auto& [col, row] : {std::pair{2, 4}, {1, 0}}) {
        grid.MouseDown(t, col, row, MouseButton::Left, false);
        EXPECT_EQ(grid.DoubleClick(t).Kind, GridActionKind::None) << col << "," << row;
    }
}

TEST_F(GridInteractionTest, SelectingTheDriverRowScrollsOnlyWhenNeeded) {
    FillGP();
    t.TopRow = 1;
    EXPECT_EQ(SelectRowWithName(t, model.Roles(), "Reg Parnell", 10), 3);
    EXPECT_EQ(std::make_pair(t.Row, t.TopRow), std::make_pair(3, 1));
    EXPECT_EQ(SelectRowWithName(t, model.Roles(), "Juan Manuel Fangio", 2), 4);
    EXPECT_EQ(t.TopRow, 2);
    EXPECT_EQ(SelectRowWithName(t, model.Roles(), "Nobody", 2), 0);
    EXPECT_EQ(t.Row, 4);
}

} // namespace
} // namespace qor
