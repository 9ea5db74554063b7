// The grid model (fill, row heights, column roles, key columns) and clicking its cells:
// selecting, the title row's filter, right-click popups, Ctrl+click and double clicks; the
// navigation history (recording, the 50-entry limit, back and next, re-running by kind).

#include "mainwindow/GridInteraction.h"
#include "mainwindow/NavigationHistory.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"
#include "support/MainWindowRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace qor {
namespace {

using Strings = std::vector<std::string>;

class GridTest : public ::testing::Test { // a grid model to fill and click
  protected:
    std::unique_ptr<The_Class> db = testing::MakeSmallDatabase();
    Langs langs = testing::EnglishLangs();
    ResultGrid model{langs};
    GridFilter filter{model.Roles()};
    GridInteraction grid{model, filter, *db};
    GridTable& t = model.tablo1;

    // A three-column table (number, name, key) with the given names.
    void FillNames(const Strings& names) {
        testing::Rows rows;
        for (const auto& name : names)
            rows.push_back({std::to_string(rows.size() + 1), name, "7"});
        testing::FillRows(model, {3, 25, 140, 0}, {"", " Name", ""}, rows);
    }
    // GP 1 of the small database: Farina, Fagioli, Parnell (ERA), Fangio; result keys 1..4.
    void FillGP() { testing::FillGPResultTable(model, *db, 1); }
    // A list of GPs as the record lists show it: number, date, track, name, team, key.
    void FillList(const testing::Rows& rows) {
        testing::FillRows(model, {7, 25, 85, 100, 140, 80, 0},
                          {"", " Date", " Track", " Name", " Team", ""}, rows);
    }
    // Opens the filter of `col` and chooses `value` (the title entry when empty); returns
    // which rows are shown.
    std::vector<bool> Choose(int col, const std::string& value, GridTable* g = nullptr) {
        g = g ? g : &t;
        EXPECT_TRUE(filter.Open(*g, col, 0));
        const auto at = std::find(filter.Box.Items.begin(), filter.Box.Items.end(), value);
        filter.Apply(value.empty() ? 0 : static_cast<int>(at - filter.Box.Items.begin()));
        std::vector<bool> shown;
        for (int r = 1; r < g->RowCount(); ++r)
            shown.push_back(g->RowHeight(r) == g->DefaultRowHeight);
        return shown;
    }
    GridAction Right(int c, int r) { return grid.MouseDown(t, c, r, MouseButton::Right, false); }
    GridActionKind Left(int col, int row, bool ctrl = false) {
        return grid.MouseDown(t, col, row, MouseButton::Left, ctrl, 190).Kind;
    }
    // The popup's captions as "item=caption;" in order.
    static std::string Of(const GridAction& a) {
        std::string c;
        for (const auto& m : a.Captions)
            c += m.Item + "=" + m.Caption + ";";
        return c;
    }

    const testing::Rows wins = {
        {"1", "07 Mar 1993", "Kyalami", "Alain Prost", "Williams", "1"},
        {"2", "28 Mar 1993", "Interlagos", "Ayrton Senna", "McLaren", "2"},
        {"3", "11 Apr 1993", "Donington", "Ayrton Senna", "McLaren", "3"},
        {"4", "20 Mar 1994", "Interlagos", "Michael Schumacher", "Benetton", "4"},
        {"5", "", "Aida", "", "benetton", "5"},
    };
};

TEST_F(GridTest, NewTableResetsLayoutMarksAndButtons) {
    FillNames({"Ayrton Senna", "Alain Prost", "Nelson Piquet"});
    t.SetRowHeight(2, 0);
    model.CompareMarks[1] = model.CompareMarks[100] = 1;
    t.Tag = GridTagHorizontalCompare;
    model.HtmlButtonVisible = false;
    model.ShareItemEnabled = true;
    model.SetTableColumns({4, 25, 140, 80});
    EXPECT_EQ(std::make_tuple(t.RowCount(), t.Tag, t.ColWidth(2), t.ColWidth(3)),
              std::make_tuple(1, GridTagPlain, 80, 0)); // a missing width is 0
    EXPECT_EQ(std::count(model.CompareMarks.begin(), model.CompareMarks.end(), 0),
              static_cast<long>(model.CompareMarks.size()));
    EXPECT_TRUE(model.HtmlButtonVisible && !model.ShareItemEnabled);
    // A refilled table forgets hidden rows and old cells.
    FillNames({"D", "E"});
    EXPECT_EQ(t.RowHeight(2), t.DefaultRowHeight);
    EXPECT_EQ(std::make_pair(t.Cell(1, 2), t.Cell(1, 3)),
              std::make_pair(std::string("E"), std::string()));
    t.FilterLabel = "(1) D";
    FillNames({}); // an empty table keeps one blank row
    EXPECT_EQ(std::make_pair(t.RowCount(), t.CountLabel),
              std::make_pair(2, std::string("0  record(s) found.")));
}

TEST_F(GridTest, WidthFillStretchesTheLastVisibleColumnToThePanel) {
    // Widths 25 + 140 + 0, grid left 10, 30 for the scroll bar: 205 in all.
    const std::pair<int, int> cases[] = {{600, 140 + 395}, {206, 141}, {205, 140}, {100, 140}};
    for (const auto& [panelLeft, nameWidth] : cases) {
        model.GridLeft = 10;
        model.RightPanelLeft = panelLeft;
        FillNames({"A"});
        EXPECT_EQ(std::make_pair(t.ColWidth(1), t.ColWidth(2)), std::make_pair(nameWidth, 0))
            << panelLeft;
    }
}

TEST_F(GridTest, KeyColumnRule) {
    // Two drivers side by side, each with its own key column (the untitled one after it).
    testing::FillRows(model, {7, 25, 100, 40, 0, 100, 40, 0},
                      {"", " Name", " Pos", "", " Name", " Pos", ""},
                      {{"1", "A", "1", "11", "B", "2", "12"},
                       {"2", "A", "1", "", "B", "2", "22"},
                       {"3", "A", "1", "x7", "B", "2", "33"},
                       {"4", "A", "1", "0", "B", "2", "?"}});
    const std::tuple<int, int, int, const char*> cases[] = {
        {1, 1, 11, "the first untitled column after the click"},
        {4, 1, 12, "right of the first key: the second"},
        {2, 2, 22, "empty key: the last column"},
        {1, 3, 33, "not a number: the last column"},
        {1, 4, 0, "neither is a number"},
    };
    for (const auto& [col, row, key, why] : cases)
        EXPECT_EQ(ResultGrid::RowKey(t, col, row), key) << why;
}

TEST_F(GridTest, RowHeightsFollowTheZoom) {
    FillNames({"A", "B"});
    t.SetRowHeight(2, 0);
    model.ApplyZoom(1.3, 1280);
    EXPECT_EQ(model.Widths.ColWName, 192);
    EXPECT_EQ((std::vector<int>{t.RowHeight(0), t.RowHeight(1), t.RowHeight(2)}),
              (std::vector<int>{24, 22, 0})); // a filtered row stays hidden
}

TEST_F(GridTest, ColumnRolesFollowTheLanguageExactly) {
    const ColumnRoles& roles = model.Roles();
    EXPECT_FALSE(roles.IsGrid(" Grid")); // "Grid" has no leading blank
    EXPECT_TRUE(roles.IsDriverPointsColumn(" Driver 2"));
    // Another language: its titles are recognised, the English ones no longer; an empty title
    // matches no column.
    const std::string file = testing::LanguageFile(
        130, {{slot::Team, "Tak\xFDm"}, {slot::Grid, ""}, {slot::Driver, ""}});
    langs.ApplyLanguageFile(LanguageOtherFile, "T.DT", &file);
    EXPECT_TRUE(roles.IsTeam(" Tak\xFDm"));
    EXPECT_FALSE(roles.IsGrid(""));
    EXPECT_FALSE(roles.IsDriverPointsColumn(" Anything"));
    EXPECT_EQ(roles.StandardWidth("", model.Widths), NoStandardWidth);
}

TEST_F(GridTest, FilterListsTheColumnValuesSortedAfterTheTitle) {
    FillList(wins);
    EXPECT_EQ(Left(3, 0), GridActionKind::FilterOpened);
    EXPECT_EQ(
        std::make_tuple(filter.Box.Kind, filter.Box.Width, filter.Box.Left, filter.Box.ItemIndex),
        std::make_tuple(FilterKind::Name, 140 - 2, 190, 0));
    // Empty cells are left out, repeated values listed once, case breaks ties only.
    EXPECT_EQ(filter.Box.Items,
              (Strings{" Name", "Alain Prost", "Ayrton Senna", "Michael Schumacher"}));
    ASSERT_TRUE(filter.Open(t, 4, 0)); // case decides only between otherwise equal names
    EXPECT_EQ(filter.Box.Items, (Strings{" Team", "Benetton", "benetton", "McLaren", "Williams"}));
    ASSERT_TRUE(filter.Open(t, 1, 0));
    EXPECT_EQ(filter.Box.Items, (Strings{" Date", "1993", "1994"})); // dates filter by season
}

TEST_F(GridTest, FilterHidesTheOtherRowsOfTheClickedGridAndCountsNumbersOnce) {
    FillList(wins);
    using Shown = std::vector<bool>;
    const std::tuple<int, const char*, Shown, const char*> choices[] = {
        {1, "1993", {1, 1, 1, 0, 0}, "(3) 1993"},
        {2, "Interlagos", {0, 1, 0, 1, 0}, "(2) Interlagos"},
        {2, "", {1, 1, 1, 1, 1}, ""}}; // the title entry shows every row
    for (const auto& [col, value, shown, label] : choices) {
        EXPECT_EQ(Choose(col, value), shown) << value;
        EXPECT_EQ(t.FilterLabel, label);
        filter.Apply(99); // out of range: no change
        EXPECT_EQ(t.FilterLabel, label);
    }
    model.tablo2 = t;
    EXPECT_EQ(Choose(4, "McLaren", &model.tablo2), (std::vector<bool>{0, 1, 1, 0, 0}));
    // A comparison numbers the rows of one GP alike.
    FillList({{"1", "07 Mar 1993", "Kyalami", "Alain Prost", "Williams", "1"},
              {"1", "07 Mar 1993", "Kyalami", "Ayrton Senna", "McLaren", "2"},
              {"2", "20 Mar 1994", "Interlagos", "Alain Prost", "Williams", "3"}});
    Choose(3, "Alain Prost");
    EXPECT_EQ(t.FilterLabel, "(2) Alain Prost");
    Choose(1, "1993");
    EXPECT_EQ(t.FilterLabel, "(1) 1993");
}

TEST_F(GridTest, SelectingACellShowsItsStatusLine) {
    EXPECT_EQ(ExpandNoteCodes("FL, FL"), "Fastest Lap, FL"); // the first of each only
    FillGP();
    t.SetCell(5, 1, "DNQ");
    t.SetCell(1, 2, "FL");
    t.SetCell(2, 2, "Lotus");
    const auto status = [&](int c, int r) {
        return StatusLineForCell(t, c, r, *db, model.Roles());
    };
    // Codes only in the notes column; "Lotus" is no known abbreviation; (3, 4) is empty.
    EXPECT_EQ((std::vector{status(5, 1), status(1, 2), status(2, 3), status(2, 2), status(3, 4)}),
              (std::vector<std::optional<std::string>>{"  Did Not Qualified", "  FL",
                                                       "  English Racing Automobiles", "  Lotus",
                                                       std::nullopt}));

    t.Row = 1;
    model.ClickCol = 5;
    EXPECT_TRUE(grid.SelectCell(t, 5, 1).Unchanged); // the current cell
    const CellSelection name = grid.SelectCell(t, 1, 3);
    EXPECT_EQ(name.Status.value_or("?") + "|" + name.DriverBoxText.value_or("?"),
              "  Reg Parnell|Reg Parnell");
    EXPECT_FALSE(grid.SelectCell(t, 2, 3).DriverBoxText.has_value()); // a team
    t.SetRowHeight(4, 0);
    EXPECT_FALSE(grid.SelectCell(t, 1, 4).Allowed);
    FillList(wins); // a row of a list of GPs shows that GP's information (0: none)
    t.SetCell(1, 2, "21 May 1950");
    EXPECT_EQ(grid.SelectCell(t, 3, 2).GPInfo, std::optional<std::uint16_t>(2));
}

TEST_F(GridTest, RightClickOpensThePopupOfTheColumnsRole) {
    FillGP();
    GridAction a = Right(1, 3);
    EXPECT_EQ(std::make_tuple(a.Kind, a.Popup, model.SelectedRecord),
              std::make_tuple(GridActionKind::OpenPopup, GridPopup::Driver, std::uint16_t{3}));
    EXPECT_EQ(Of(a),
              "Aboutdriver1=Reg Parnell;onthisteam1=ERA;onthisyear1=1950;onthispist1=Silverstone;");
    testing::FillGPResultTable(model, *db, 4);
    a = Right(2, 1);
    EXPECT_EQ(std::make_pair(a.Popup, model.SelectedRecord),
              std::make_pair(GridPopup::Team, std::uint16_t{7}));
    EXPECT_EQ(
        Of(a),
        "aboutteam1=Ferrari;bythisdriver1=Reg Parnell;onthisyear2=1952;onthispist2=Silverstone;");
    FillList({{"1", "13 May 1950", "1950 - Silverstone", "Nino Farina", "Alfa Romeo", "1"}});
    EXPECT_EQ(Of(Right(2, 1)), "aboutpist1=Silverstone;"); // no year prefix
    // Points columns look the name up.
    testing::FillRows(model, {4, 25, 140, 140, 0}, {"", "Champion Driver", "Constructors", ""},
                      {{"1", "Juan Manuel Fangio", "ERA", "77"}});
    a = Right(1, 1);
    EXPECT_EQ(std::make_pair(a.Popup, model.SelectedRecord),
              std::make_pair(GridPopup::DriverPoints, std::uint16_t{2}));
    EXPECT_EQ(Of(a), "Driver1=Juan Manuel Fangio;");
    a = Right(2, 1);
    EXPECT_EQ(std::make_pair(a.Popup, model.SelectedRecord),
              std::make_pair(GridPopup::TeamPoints, std::uint16_t{3}));
    // Other columns only remember the record; empty cells not even that.
    FillGP();
    EXPECT_EQ(Right(4, 2).Kind, GridActionKind::None); // " Time"
    EXPECT_EQ(Right(3, 4).Kind, GridActionKind::None);
}

TEST_F(GridTest, CtrlClickTogglesTheHighlightAndDoubleClicksShowAGPOrADriver) {
    FillGP();
    for (const auto& [row, ctrl, name] : {std::tuple{2, true, "Luigi Fagioli"},
                                          {1, true, "Nino Farina"},
                                          {1, true, ""},
                                          {1, false, ""}}) {
        EXPECT_EQ(Left(1, row, ctrl), ctrl ? GridActionKind::RepaintGrids : GridActionKind::None);
        EXPECT_EQ(model.HighlightName, name);
    }
    t.Row = 4;
    Left(1, 4);
    GridAction a = grid.DoubleClick(t);
    EXPECT_EQ(std::make_pair(a.Kind, a.DriverBoxText.value_or("?")),
              std::make_pair(GridActionKind::AnalyzeDriver, std::string("Juan Manuel Fangio")));
    Left(2, 4);
    EXPECT_EQ(grid.DoubleClick(t).Kind, GridActionKind::None);

    FillList({{"1", "13 May 1950", "Silverstone", "Nino Farina", "Alfa Romeo", "1"},
              {"2", "21 May 1950", "Monte Carlo", "Juan Manuel Fangio", "Alfa Romeo", "5"},
              {"3", "01 Jan 1951", "Nowhere", "Nobody", "", "0"}});
    t.Row = 2;
    Left(1, 2);
    a = grid.DoubleClick(t);
    EXPECT_EQ(
        std::make_tuple(a.Kind, a.Year, a.GP, a.GPListIndex, a.SelectName),
        std::make_tuple(GridActionKind::ShowGP, 1950, 2, 1, std::string("Juan Manuel Fangio")));
    t.Row = 3; // a date no GP has
    EXPECT_EQ(grid.DoubleClick(t).Kind, GridActionKind::None);
}

class NavigationHistoryTest : public ::testing::Test { // a history logging its re-runs
  protected:
    Strings log;
    NavigationHistory history{HistoryRestore{
        [this](int i) { log.push_back("year " + std::to_string(i)); },
        [this](int i) { log.push_back("gp " + std::to_string(i)); },
        [this](std::uint16_t r) { log.push_back("record " + std::to_string(r)); },
        [this](int i) { log.push_back("drivers " + std::to_string(i)); },
        [this](int i) { log.push_back("teams " + std::to_string(i)); },
    }};

    // A table producer: records itself (unless replaying) and "builds" table `name`.
    void Show(const std::string& name, std::uint16_t kind = 100, std::uint16_t v1 = 0,
              std::uint16_t v2 = 0) {
        history.menuekle(v1, v2, kind, [this, name, kind, v1, v2] { Show(name, kind, v1, v2); });
        log.push_back("show " + name);
        history.SetHistoryCaption(name);
    }
    std::string Last() const { return log.empty() ? "" : log.back(); }
    Strings Captions() const {
        Strings c;
        for (int i = 0; i < history.HistCount(); ++i)
            c.push_back(history.ItemCaption(i));
        return c;
    }
    // The buttons as "BNM": back, next, menu; '-' when disabled.
    std::string Buttons() const {
        return std::string(history.BackEnabled() ? "B" : "-") +
               (history.NextEnabled() ? "N" : "-") + (history.MenuButtonEnabled() ? "M" : "-");
    }
};

TEST_F(NavigationHistoryTest, ButtonsFollowThePosition) {
    history.Back();
    history.Next();
    EXPECT_TRUE(log.empty());
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[] {}, "---"},
        {[&] { Show("A"); }, "---"},
        {[&] { Show("B"); }, "B-M"},
        {[&] { history.Back(); }, "-NM"},
        {[&] { history.Next(); }, "B-M"},
        {[&] { Show("C"), history.ChooseItem(1); }, "BNM"},
        {[&] { history.ChooseItem(0); }, "-NM"},
    };
    for (const auto& [step, buttons] : steps) {
        step();
        EXPECT_EQ(Buttons(), buttons) << Last();
    }
    EXPECT_EQ(log, (Strings{"show A", "show B", "show A", "show B", "show C", "show B", "show A"}));
    EXPECT_EQ(Captions(), (Strings{"A", "B", "C"})); // re-runs recorded nothing
}

TEST_F(NavigationHistoryTest, NewTablesGoAfterTheCurrentOneAndFiftyAtMost) {
    for (const char* t : {"A", "B", "C", "D"})
        Show(t);
    history.Back();
    history.Back();
    Show("E");
    EXPECT_EQ(Captions(), (Strings{"A", "B", "E", "C", "D"}));
    for (int i = 1; i <= 46; ++i)
        Show("T" + std::to_string(i));
    EXPECT_EQ(history.HistCount(), 50);
    EXPECT_EQ(Captions()[0], "B");  // the oldest went
    EXPECT_EQ(Captions()[48], "C"); // the later entries stay after the new ones
    for (int i = 0; i < 49; ++i)
        history.Back();
    EXPECT_EQ(Last(), "show B");
}

TEST_F(NavigationHistoryTest, ReplayingRecordsNothingAndKeepsTheCaption) {
    Show("A");
    // A producer that renames its table during a re-run does not rename the entry.
    history.menuekle(0, 0, 100, [this] {
        EXPECT_TRUE(history.Replaying());
        history.SetHistoryCaption("renamed");
    });
    history.SetHistoryCaption("C");
    Show("D");
    history.Back();
    EXPECT_EQ(Captions(), (Strings{"A", "C", "D"}));
    // A command that fails still ends the replay.
    history.menuekle(0, 0, 100, [] { throw std::runtime_error("no table"); });
    Show("E");
    EXPECT_THROW(history.Back(), std::runtime_error);
    EXPECT_FALSE(history.Replaying());
    Show("F");
    EXPECT_EQ(history.HistCount(), 6);
}

TEST_F(NavigationHistoryTest, RestoreRulesOfEveryKind) {
    const std::pair<std::uint16_t, Strings> cases[] = {
        {0, {"year 4"}},      {1, {"year 4", "gp 9"}}, {9, {"year 4"}},     {10, {}},
        {11, {"record 4"}},   {99, {"record 4"}},      {100, {}},           {149, {}},
        {150, {"drivers 4"}}, {151, {"teams 4"}},      {152, {"record 4"}}, {300, {"record 4"}},
    };
    for (const auto& [kind, expected] : cases) {
        SCOPED_TRACE(kind);
        Show("K", kind, 4, 9);
        Show("other");
        log.clear();
        history.Back();
        Strings want = expected;
        if (kind != 10) want.push_back("show K"); // kind 10 is never re-run
        EXPECT_EQ(log, want);
    }
}

} // namespace
} // namespace qor
