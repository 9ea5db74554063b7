#include "statistics/ChampionshipTables.h"

#include "statistics/GridRowWriter.h"
#include "statistics/PointsText.h"
#include "text/Encoding.h"

#include <algorithm>
#include <vector>

namespace qor {
namespace {

using grid_rows::AddRow;
using grid_rows::Count;
using grid_rows::WriteRow;

// Significant digits of the points texts, per table.
constexpr int DriverPointsPrecision = 4;
constexpr int TeamStandingsPrecision = 15;
constexpr int ChampionshipPrecision = 5;

// Rows of these tables have no record key; the popups work through the names.
const std::string NoKey = "0";

// The position of a year in a year list (newest first), or where FillYears puts it.
std::uint16_t YearListIndex(const std::vector<std::string>& list, int year, int lastYear) {
    const std::string text = std::to_string(year);
    const auto it = std::find(list.begin(), list.end(), text);
    const long i = it != list.end() ? it - list.begin() : lastYear - year;
    return static_cast<std::uint16_t>(i < 0 ? 0 : i);
}

// "12 gp": a champion's wins.
ShortText WinsText(unsigned wins) {
    ShortText t = The_Class::NumberText(wins);
    t.add(" gp");
    return t;
}

std::string Points(float points, int precision) {
    return PointsText(points, precision);
}

// Every stored drivers' standings row of a season (an out-of-table range lists nothing).
template <typename F> void ForEachDriverStanding(const The_Class& db, int year, F f) {
    const TSeasonRow& s = db.Seasons[year];
    for (int i = s.FirstDriverStanding; i <= s.LastDriverStanding && i <= MaxDriverStandings; ++i)
        if (i >= 1) f(db.DriverStandings[static_cast<std::size_t>(i)]);
}

template <typename F> void ForEachTeamStanding(const The_Class& db, int year, F f) {
    const TSeasonRow& s = db.Seasons[year];
    for (int i = s.FirstTeamStanding; i <= s.LastTeamStanding && i <= MaxTeamStandings; ++i)
        if (i >= 1) f(db.TeamStandings[static_cast<std::size_t>(i)]);
}

// Records the table in the history, then sets its title.
void Begin(TableContext& ctx, std::uint16_t value1, std::uint16_t kind,
           std::function<void()> rerun) {
    ctx.history.menuekle(value1, 0, kind, std::move(rerun));
}

void Finish(TableContext& ctx, const std::string& title, int count) {
    ctx.grid.tablo1.TitleLabel = title;
    ctx.history.SetHistoryCaption(title);
    ctx.grid.tablo1kayitsayisi(Count(count));
    ctx.grid.tablo1.Visible = true;
}

// Columns of the per-driver and per-team tables: year, name, nationality, points.
void PerNameColumns(TableContext& ctx, int nameSlot, int nameWidth) {
    const Langs& l = ctx.langs;
    const StandardWidths& w = ctx.grid.Widths;
    ctx.grid.SetTableColumns({5, 40, nameWidth, w.ColWPoints, w.ColWPos + 15, 0});
    ctx.grid.SetColumnTitles({l.Title(slot::Year), l.Title(nameSlot), l.Title(slot::Nationality),
                              l.Title(slot::Points), ""});
}

// The ranking of champions by number of titles; champion(year) gives 0 for a season without
// one, which is left out.
template <typename Champion, typename NameOf, typename NationalityOf>
void Ranking(TableContext& ctx, int firstYear, Champion champion, NameOf nameOf,
             NationalityOf nationalityOf) {
    const The_Class& db = ctx.db;
    GridTable& t = ctx.grid.tablo1;
    constexpr int ChampionCol = 3;
    std::vector<int> placed;
    for (int y = firstYear; y <= db.LastYear; ++y) {
        const int c = champion(y);
        if (c == 0 || std::find(placed.begin(), placed.end(), c) != placed.end()) continue;
        placed.push_back(c);
        int count = 0;
        std::string years;
        for (int z = y; z <= db.LastYear; ++z) {
            if (champion(z) != c) continue;
            ++count;
            years += " / " + std::to_string(z);
        }
        // Below every row with at least as many titles: ties keep the order of first titles.
        const int n = static_cast<int>(placed.size());
        t.SetRowCount(n + 1);
        int at = n;
        for (int p = 1; p < n; ++p) {
            if (ParseDecimal(t.Cell(ChampionCol, p), 0) < count) {
                at = p;
                break;
            }
        }
        for (int r = n - 1; r >= at; --r)
            for (int col = 0; col < t.ColCount(); ++col)
                t.SetCell(col, r + 1, t.Cell(col, r));
        ctx.grid.StartGridRow(at);
        for (std::string cell :
             {std::string(), nameOf(c), nationalityOf(c), std::to_string(count), years, NoKey})
            ctx.grid.AddGridCell(std::move(cell));
    }
    for (int r = 1; r < t.RowCount(); ++r)
        t.SetCell(0, r, std::to_string(r));
}

} // namespace

bool DriverStandingsTable(TableContext& ctx, int year) {
    const The_Class& db = ctx.db;
    if (!db.IsYearLoaded(year)) return false;
    Begin(ctx, YearListIndex(ctx.browser.DriverStandingYears, year, db.LastYear),
          history_kind::DriverStandings, [&ctx, year] { DriverStandingsTable(ctx, year); });
    const Langs& l = ctx.langs;
    const StandardWidths& w = ctx.grid.Widths;
    ctx.grid.SetTableColumns({5, 25, w.ColWName, w.ColWPoints, w.ColWPos + 15, 0});
    ctx.grid.SetColumnTitles(
        {"", l.Title(slot::Driver), l.Title(slot::Nationality), l.Title(slot::Points), ""});
    // The grid grows once, to the season's rows.
    int rows = 0;
    ForEachDriverStanding(db, year, [&](const TDriverStanding&) { ++rows; });
    ctx.grid.tablo1.SetRowCount(rows + 1);
    int n = 0;
    ForEachDriverStanding(db, year, [&](const TDriverStanding& s) {
        ++n;
        WriteRow(ctx.grid, n,
                 {The_Class::NumberText(static_cast<unsigned>(n)).view(),
                  db.DriverNameView(s.Driver), db.DriverNatNameView(s.Driver),
                  Points(s.Points, DriverPointsPrecision), NoKey});
    });
    Finish(ctx, l.Text(slot::DriversChampionship) + "   " + std::to_string(year), n);
    return true;
}

bool TeamStandingsTable(TableContext& ctx, int year) {
    const The_Class& db = ctx.db;
    if (!db.IsYearLoaded(year) || year < FirstConstructorsYear) return false;
    Begin(ctx, YearListIndex(ctx.browser.TeamStandingYears, year, db.LastYear),
          history_kind::TeamStandings, [&ctx, year] { TeamStandingsTable(ctx, year); });
    const Langs& l = ctx.langs;
    const StandardWidths& w = ctx.grid.Widths;
    ctx.grid.SetTableColumns(
        {6, 25, w.ColWTeam, w.ColWTeam + 100, w.ColWPoints, w.ColWPos + 15, 0});
    ctx.grid.SetColumnTitles({"", l.Title(slot::Constructors), l.Title(slot::Engine),
                              l.Title(slot::Nationality), l.Title(slot::Points), ""});
    int n = 0;
    ForEachTeamStanding(db, year, [&](const TTeamStanding& s) {
        ++n;
        AddRow(ctx.grid, n,
               {std::to_string(n), db.TeamName(s.Team), s.Name.str(), db.TeamCountryName(s.Team),
                Points(s.Points, TeamStandingsPrecision), NoKey});
    });
    Finish(ctx, l.Text(slot::ConstructorsChampionship) + "   " + std::to_string(year), n);
    return true;
}

void DriverChampionsTable(TableContext& ctx) {
    Begin(ctx, 0, history_kind::DriverChampions, [&ctx] { DriverChampionsTable(ctx); });
    const The_Class& db = ctx.db;
    const Langs& l = ctx.langs;
    const StandardWidths& w = ctx.grid.Widths;
    ctx.grid.SetTableColumns(
        {6, w.ColWSmall, w.ColWName, w.ColWPoints, w.ColWTeam, w.ColWPos + 30, 0});
    ctx.grid.SetColumnTitles({l.Title(slot::Year), l.Title(slot::ChampionDriver),
                              l.Title(slot::Nationality), l.Title(slot::Car), l.Title(slot::Wins),
                              ""});
    ctx.grid.tablo1.SetRowCount(std::max(db.LastYear - FirstYear + 1, 0) + 1);
    int n = 0;
    for (int y = db.LastYear; y >= FirstYear; --y) {
        const TSeasonRow& s = db.Seasons[y];
        // The year stands in the row-number column, so rows alternate with its parity.
        WriteRow(ctx.grid, ++n,
                 {The_Class::NumberText(static_cast<unsigned>(y)).view(),
                  db.DriverNameView(s.ChampDriver), db.DriverNatNameView(s.ChampDriver),
                  db.TeamNameView(s.ChampDriverTeam), WinsText(s.ChampDriverWins).view(), NoKey});
    }
    Finish(ctx, l.Text(slot::DriversChampionshipTitle), ctx.grid.tablo1.RowCount() - 1);
}

void TeamChampionsTable(TableContext& ctx) {
    Begin(ctx, 0, history_kind::TeamChampions, [&ctx] { TeamChampionsTable(ctx); });
    const The_Class& db = ctx.db;
    const Langs& l = ctx.langs;
    const StandardWidths& w = ctx.grid.Widths;
    ctx.grid.SetTableColumns({5, w.ColWSmall, w.ColWTeam + 20, w.ColWPoints, w.ColWPos + 30, 0});
    ctx.grid.SetColumnTitles({l.Title(slot::Year), l.Title(slot::ChampionTeam),
                              l.Title(slot::Nationality), l.Title(slot::Wins), ""});
    int n = 0;
    for (int y = db.LastYear; y >= FirstConstructorsYear; --y) {
        const TSeasonRow& s = db.Seasons[y];
        AddRow(ctx.grid, ++n,
               {std::to_string(y), db.TeamName(s.ChampTeam), db.TeamCountryName(s.ChampTeam),
                std::to_string(s.ChampTeamWins) + " gp", NoKey});
    }
    Finish(ctx, l.Text(slot::ConstructorsChampionshipTitle), ctx.grid.tablo1.RowCount() - 1);
}

void DriverChampionRanking(TableContext& ctx) {
    Begin(ctx, 0, history_kind::DriverChampionRanking, [&ctx] { DriverChampionRanking(ctx); });
    const The_Class& db = ctx.db;
    const Langs& l = ctx.langs;
    ctx.grid.SetTableColumns(
        {6, 20, ctx.grid.Widths.ColWName, ctx.grid.Widths.ColWPoints, 80, 405, 0});
    ctx.grid.SetColumnTitles({"", l.Title(slot::ChampionDriver), l.Title(slot::Nationality),
                              l.Title(slot::Champion), l.Title(slot::Years), ""});
    Ranking(
        ctx, FirstYear, [&db](int y) { return static_cast<int>(db.Seasons[y].ChampDriver); },
        [&db](int d) { return db.DriverName(d); }, [&db](int d) { return db.DriverNatName(d); });
    Finish(ctx, l.Text(slot::DriversChampionshipWinners), ctx.grid.tablo1.RowCount() - 1);
}

void TeamChampionRanking(TableContext& ctx) {
    Begin(ctx, 0, history_kind::TeamChampionRanking, [&ctx] { TeamChampionRanking(ctx); });
    const The_Class& db = ctx.db;
    const Langs& l = ctx.langs;
    ctx.grid.SetTableColumns(
        {6, 20, ctx.grid.Widths.ColWTeam, ctx.grid.Widths.ColWPoints, 80, 470, 0});
    ctx.grid.SetColumnTitles({"", l.Title(slot::ChampionTeam), l.Title(slot::Nationality),
                              l.Title(slot::Champion), l.Title(slot::Years), ""});
    Ranking(
        ctx, FirstConstructorsYear,
        [&db](int y) { return static_cast<int>(db.Seasons[y].ChampTeam); },
        [&db](int t) { return db.TeamName(t); }, [&db](int t) { return db.TeamCountryName(t); });
    Finish(ctx, l.Text(slot::ConstructorsChampionshipWinners), ctx.grid.tablo1.RowCount() - 1);
}

namespace {

// One subject's rows of the standings, season by season: every row of it (points by year), or
// only a season whose first stored row is its own (titles: a shared top score lists its first
// driver only). A subject of 0 (a failed name lookup) lists nothing, so rows kept by name only
// (team 0) never match.
template <typename ForEachRow, typename KeyOf, typename NameOf, typename NationalityOf>
int RowsByYear(TableContext& ctx, int firstYear, std::uint16_t subject, bool titlesOnly,
               int precision, ForEachRow forEachRow, KeyOf keyOf, NameOf nameOf,
               NationalityOf nationalityOf) {
    int n = 0;
    for (int y = firstYear; y <= ctx.db.LastYear && subject != 0; ++y) {
        bool top = true;
        forEachRow(y, [&](const auto& s) {
            const bool first = top;
            top = false;
            if (keyOf(s) != subject || (titlesOnly && !first)) return;
            AddRow(ctx.grid, ++n,
                   {std::to_string(y), nameOf(keyOf(s)), nationalityOf(keyOf(s)),
                    Points(s.Points, precision), NoKey});
        });
    }
    return n;
}

int DriverRowsByYear(TableContext& ctx, std::uint16_t driver, bool titlesOnly, int precision) {
    const The_Class& db = ctx.db;
    PerNameColumns(ctx, slot::Driver, ctx.grid.Widths.ColWName);
    return RowsByYear(
        ctx, FirstYear, driver, titlesOnly, precision,
        [&db](int y, auto f) { ForEachDriverStanding(db, y, f); },
        [](const TDriverStanding& s) { return s.Driver; },
        [&db](int d) { return db.DriverName(d); }, [&db](int d) { return db.DriverNatName(d); });
}

int TeamRowsByYear(TableContext& ctx, std::uint16_t team, bool titlesOnly, int precision) {
    const The_Class& db = ctx.db;
    PerNameColumns(ctx, slot::Constructors, ctx.grid.Widths.ColWTeam);
    return RowsByYear(
        ctx, FirstConstructorsYear, team, titlesOnly, precision,
        [&db](int y, auto f) { ForEachTeamStanding(db, y, f); },
        [](const TTeamStanding& s) { return s.Team; }, [&db](int t) { return db.TeamName(t); },
        [&db](int t) { return db.TeamCountryName(t); });
}

} // namespace

void DriverPointsByYear(TableContext& ctx, std::uint16_t driver) {
    Begin(ctx, driver, history_kind::PointsByYear, [&ctx, driver] {
        ctx.grid.SelectedRecord = driver;
        DriverPointsByYear(ctx, driver);
    });
    const int n = DriverRowsByYear(ctx, driver, false, DriverPointsPrecision);
    Finish(ctx, ctx.db.DriverName(driver) + "  " + ctx.langs.Text(slot::PointsByYear), n);
}

void DriverChampionships(TableContext& ctx, std::uint16_t driver) {
    Begin(ctx, driver, history_kind::Championships, [&ctx, driver] {
        ctx.grid.SelectedRecord = driver;
        DriverChampionships(ctx, driver);
    });
    const int n = DriverRowsByYear(ctx, driver, true, ChampionshipPrecision);
    Finish(ctx, ctx.db.DriverName(driver) + "  " + ctx.langs.Text(slot::ChampionshipWord), n);
}

void TeamPointsByYear(TableContext& ctx, std::uint16_t team) {
    Begin(ctx, team, history_kind::PointsByYear, [&ctx, team] {
        ctx.grid.SelectedRecord = team;
        TeamPointsByYear(ctx, team);
    });
    const int n = TeamRowsByYear(ctx, team, false, DriverPointsPrecision);
    Finish(ctx, ctx.db.TeamName(team) + "  " + ctx.langs.Text(slot::PointsByYear), n);
}

void TeamChampionships(TableContext& ctx, std::uint16_t team) {
    Begin(ctx, team, history_kind::Championships, [&ctx, team] {
        ctx.grid.SelectedRecord = team;
        TeamChampionships(ctx, team);
    });
    const int n = TeamRowsByYear(ctx, team, true, ChampionshipPrecision);
    Finish(ctx, ctx.db.TeamName(team) + "  " + ctx.langs.Text(slot::ChampionshipWord), n);
}

namespace {

// The year of the selected item of a year list, or 0 when nothing is selected.
int SelectedListYear(const std::vector<std::string>& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.size())) return 0;
    return static_cast<int>(ParseDecimal(list[static_cast<std::size_t>(index)], 0));
}

} // namespace

void ListBox2Click(TableContext& ctx) {
    const int year =
        SelectedListYear(ctx.browser.DriverStandingYears, ctx.browser.DriverStandingYearIndex);
    if (year != 0) DriverStandingsTable(ctx, year);
}

void ListBox3Click(TableContext& ctx) {
    const int year =
        SelectedListYear(ctx.browser.TeamStandingYears, ctx.browser.TeamStandingYearIndex);
    if (year != 0) TeamStandingsTable(ctx, year);
}

void Button1Click(TableContext& ctx) {
    DriverChampionsTable(ctx);
}
void Button3Click(TableContext& ctx) {
    TeamChampionsTable(ctx);
}
void Button4Click(TableContext& ctx) {
    DriverChampionRanking(ctx);
}
void Button7Click(TableContext& ctx) {
    TeamChampionRanking(ctx);
}
void pointsbyyearClick(TableContext& ctx) {
    DriverPointsByYear(ctx, ctx.grid.SelectedRecord);
}
void Championship1Click(TableContext& ctx) {
    DriverChampionships(ctx, ctx.grid.SelectedRecord);
}
void teampointsbyyearClick(TableContext& ctx) {
    TeamPointsByYear(ctx, ctx.grid.SelectedRecord);
}
void teamChampionship1Click(TableContext& ctx) {
    TeamChampionships(ctx, ctx.grid.SelectedRecord);
}

const std::array<MenuTableCommand, 10> ChampionshipCommands = {{
    {"ListBox2", "ListBox2Click", 0, "", "", history_kind::DriverStandings, ListBox2Click},
    {"ListBox3", "ListBox3Click", 0, "", "", history_kind::TeamStandings, ListBox3Click},
    {"button1", "Button1Click", 147, "", "", history_kind::DriverChampions, Button1Click},
    {"button3", "Button3Click", 148, "", "", history_kind::TeamChampions, Button3Click},
    {"button4", "Button4Click", 149, "", "", history_kind::DriverChampionRanking, Button4Click},
    {"button7", "Button7Click", 150, "", "", history_kind::TeamChampionRanking, Button7Click},
    {"pointsbyyear", "pointsbyyearClick", 165, "", "", history_kind::PointsByYear,
     pointsbyyearClick},
    {"Championship1", "Championship1Click", 166, "", "", history_kind::Championships,
     Championship1Click},
    {"Pointsbyyear1", "teampointsbyyearClick", 165, "", "", history_kind::PointsByYear,
     teampointsbyyearClick},
    {"Championship2", "teamChampionship1Click", 166, "", "", history_kind::Championships,
     teamChampionship1Click},
}};

} // namespace qor
