// Selecting, right clicking, Ctrl+clicking and double clicking grid cells.

#include "mainwindow/GridInteraction.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"
#include "support/MainWindowRows.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using Captions = std::vector<std::pair<std::string, std::string>>;

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
    GridActionKind Left(int col, int row, bool ctrl = false, int filterLeft = 0) {
        return grid.MouseDown(t, col, row, MouseButton::Left, ctrl, filterLeft).Kind;
    }
    static Captions Of(const GridAction& a) {
        Captions c;
        for (const auto& m : a.Captions)
            c.emplace_back(m.Item, m.Caption);
        return c;
    }
};

TEST_F(GridInteractionTest, StatusLineSpellsOutNoteCodesAndShortTeamNames) {
    EXPECT_EQ(ExpandNoteCodes("FL, FL"), "Fastest Lap, FL"); // the first of each only
    EXPECT_EQ(ExpandNoteCodes("DNS, S&G, NC, Disq"),
              "Did Not Start, Stop and Go, Not Classified, Disqualified");
    FillGP();
    t.SetCell(5, 1, "DNQ");
    t.SetCell(1, 2, "FL");
    t.SetCell(2, 2, "Lotus");
    const auto status = [&](int c, int r) {
        return StatusLineForCell(t, c, r, *db, model.Roles());
    };
    EXPECT_EQ(status(5, 1), "  Did Not Qualified");
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
    EXPECT_EQ(std::make_tuple(name.Allowed, name.Status, name.DriverBoxText, t.Row),
              std::make_tuple(true, std::optional<std::string>("  Luigi Fagioli"),
                              std::optional<std::string>("Luigi Fagioli"), 2));
    EXPECT_FALSE(name.GPInfo.has_value());                            // not a list of GPs
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
    EXPECT_EQ(std::make_tuple(a.Kind, a.Popup, model.SelectedRecord, a.DriverBoxText),
              std::make_tuple(GridActionKind::OpenPopup, GridPopup::Driver, std::uint16_t{3},
                              std::string("Reg Parnell")));
    EXPECT_EQ(Of(a), (Captions{{"Aboutdriver1", "Reg Parnell"},
                               {"onthisteam1", "ERA"},
                               {"onthisyear1", "1950"},
                               {"onthispist1", "Silverstone"}}));
    testing::FillGPResultTable(model, *db, 4);
    a = Right(2, 1);
    EXPECT_EQ(std::make_pair(a.Popup, model.SelectedRecord),
              std::make_pair(GridPopup::Team, std::uint16_t{7}));
    EXPECT_EQ(Of(a), (Captions{{"aboutteam1", "Ferrari"},
                               {"bythisdriver1", "Reg Parnell"},
                               {"onthisyear2", "1952"},
                               {"onthispist2", "Silverstone"}}));
    // A track loses its year prefix.
    FillWinsList();
    EXPECT_EQ(Of(Right(2, 1)), (Captions{{"aboutpist1", "Silverstone"}}));
    EXPECT_EQ(Of(Right(2, 2)), (Captions{{"aboutpist1", "Monte Carlo"}}));
    // Points columns look the name up.
    testing::FillRows(model, {4, 25, 140, 140, 0}, {"", "Champion Driver", "Constructors", ""},
                      {{"1", "Juan Manuel Fangio", "ERA", "77"}});
    a = Right(1, 1);
    EXPECT_EQ(std::make_pair(a.Popup, model.SelectedRecord),
              std::make_pair(GridPopup::DriverPoints, std::uint16_t{2}));
    EXPECT_EQ(Of(a), (Captions{{"Driver1", "Juan Manuel Fangio"}}));
    a = Right(2, 1);
    EXPECT_EQ(std::make_pair(a.Popup, model.SelectedRecord),
              std::make_pair(GridPopup::TeamPoints, std::uint16_t{3}));
    EXPECT_EQ(Of(a), (Captions{{"team1", "ERA"}}));
    // Other columns only remember the record; empty cells not even that.
    FillGP();
    EXPECT_EQ(Right(4, 2).Kind, GridActionKind::None); // " Time"
    EXPECT_EQ(model.SelectedRecord, 2);
    EXPECT_EQ(Right(3, 4).Kind, GridActionKind::None);
    EXPECT_EQ(model.SelectedRecord, 2);
}

TEST_F(GridInteractionTest, LeftClicksHighlightOrOpenTheFilter) {
    FillGP();
    const std::tuple<int, bool, GridActionKind, const char*> clicks[] = {
        {2, true, GridActionKind::RepaintGrids, "Luigi Fagioli"},
        {1, true, GridActionKind::RepaintGrids, "Nino Farina"},
        {1, true, GridActionKind::RepaintGrids, ""}, // the same name again: off
        {1, false, GridActionKind::None, ""},        // without Ctrl
    };
    for (const auto& [row, ctrl, kind, name] : clicks) {
        EXPECT_EQ(Left(1, row, ctrl), kind);
        EXPECT_EQ(model.HighlightName, name);
    }
    EXPECT_EQ(Left(2, 1, true), GridActionKind::None); // a team is no driver
    EXPECT_EQ(Left(2, 0, false, 190), GridActionKind::FilterOpened);
    EXPECT_EQ(filter.Box.Items, (std::vector<std::string>{" Team", "Alfa Romeo", "ERA"}));
    EXPECT_EQ(filter.Box.Left, 190);
    EXPECT_EQ(Left(3, 0), GridActionKind::None);
}

TEST_F(GridInteractionTest, DoubleClickShowsTheGPOfADateOrAnalysesADriver) {
    FillWinsList();
    t.Row = 2;
    Left(1, 2);
    GridAction a = grid.DoubleClick(t);
    EXPECT_EQ(
        std::make_tuple(a.Kind, a.Year, a.GP, a.GPListIndex, a.SelectName),
        std::make_tuple(GridActionKind::ShowGP, 1950, 2, 1, std::string("Juan Manuel Fangio")));
    t.Row = 3; // a date no GP has
    EXPECT_EQ(grid.DoubleClick(t).Kind, GridActionKind::None);
    FillGP();
    t.Row = 4;
    Left(1, 4);
    a = grid.DoubleClick(t);
    EXPECT_EQ(a.Kind, GridActionKind::AnalyzeDriver);
    EXPECT_EQ(a.DriverBoxText, "Juan Manuel Fangio");
    for (const auto& [col, row] : {std::pair{2, 4}, {1, 0}}) {
        Left(col, row);
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
}

} // namespace
} // namespace qor
