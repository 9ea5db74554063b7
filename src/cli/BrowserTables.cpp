// The tables of the season and GP browser, the championship panel and the season lists on
// the command line, and the `gp` command that prints a Grand Prix the same way.

#include "CliContext.h"
#include "TableCommand.h"

#include "database/NameSuggestions.h"
#include "mainwindow/GPBrowser.h"
#include "statistics/ChampionshipTables.h"
#include "statistics/SeasonLists.h"
#include "text/Encoding.h"

#include <ostream>

namespace qor::cli {
namespace {

// Captions of the GP information panel (Label6, Label7, Label8, Label32).
constexpr int FastestLapCaption = 177;
constexpr int PolePositionCaption = 178;
constexpr int WeatherCaption = 179;
constexpr int LapsCaption = 180;

// The positional arguments from `from` on, joined by blanks (a date may come unquoted).
std::string Joined(const TableRequest& request, std::size_t from = 0) {
    std::string text;
    for (std::size_t i = from; i < request.args.size(); ++i)
        text += (i > from ? " " : "") + request.args[i];
    return text;
}

// The year of a text, or 0 when it is no season of the database.
int SeasonYear(const The_Class& db, const std::string& text) {
    const long y = ParseDecimal(text, 0);
    return db.IsYearLoaded(static_cast<int>(y)) ? static_cast<int>(y) : 0;
}

std::string NoSeason(const std::string& text) {
    return "No season " + Utf8ToCp1254(text) + " in the database";
}

// "drivers"/"driver" or "teams"/"team"; 0 for anything else.
enum class Side { None, Drivers, Teams };
Side SideOf(const TableRequest& request) {
    if (request.args.empty()) return Side::None;
    const std::string& a = request.args[0];
    if (a == "drivers" || a == "driver") return Side::Drivers;
    if (a == "teams" || a == "team") return Side::Teams;
    return Side::None;
}

std::string Usage(const std::string& usage) {
    return "usage: qor-cli table " + usage;
}

std::uint16_t FindTeamCI(const The_Class& db, const std::string& name) {
    const std::string wanted = AsciiLowerCase(name);
    for (int t = 1; t <= db.TeamCount && t <= MaxTeams; ++t)
        if (AsciiLowerCase(db.TeamNames[static_cast<std::size_t>(t)].view()) == wanted)
            return static_cast<std::uint16_t>(t);
    return 0;
}

std::string FillGP(TableContext& ctx, const TableRequest& request) {
    if (request.args.empty()) return Usage("gp DATE");
    const std::string date = Joined(request);
    const std::uint16_t g = ctx.db.FindGPByDate(Utf8ToCp1254(date));
    if (g == 0) return NoGPOnDateMessage(ctx.db, Utf8ToCp1254(date));
    FillYearLists(ctx);
    if (!ShowGPByDate(ctx, ctx.db.GPs[g].Date)) return "No Grand Prix on " + Utf8ToCp1254(date);
    return {};
}

// The GP list of a season as a table: number, label, GP index.
std::string FillGPList(TableContext& ctx, const TableRequest& request) {
    const std::string usage = "gp-list YEAR [--by track|name|date]";
    if (request.args.size() != 1) return Usage(usage);
    const int year = SeasonYear(ctx.db, request.args[0]);
    if (year == 0) return NoSeason(request.args[0]);
    int mode = 0;
    if (const auto by = request.options.find("by"); by != request.options.end()) {
        if (by->second == "name")
            mode = 1;
        else if (by->second == "date")
            mode = 2;
        else if (by->second != "track")
            return Usage(usage);
    }
    FillYearLists(ctx);
    ctx.browser.YearIndex = YearBoxIndex(ctx, year);
    SetGPListMode(ctx, mode);
    ResultGrid& grid = ctx.grid;
    grid.SetTableColumns({3, 25, grid.Widths.ColWTrack, 0});
    grid.SetColumnTitles(
        {"", ctx.langs.Text(GPListModeItems[static_cast<std::size_t>(mode)].CaptionSlot), ""});
    const int first = ctx.db.Seasons[year].FirstGP;
    int n = 0;
    for (const std::string& label : ctx.browser.GPList) {
        ++n;
        grid.tablo1.SetRowCount(n + 1);
        grid.StartGridRow(n);
        grid.AddGridCell(std::to_string(n));
        grid.AddGridCell(label);
        grid.AddGridCell(std::to_string(first + n - 1));
    }
    grid.tablo1.TitleLabel = std::to_string(year);
    grid.tablo1kayitsayisi(static_cast<std::uint16_t>(n));
    return {};
}

std::string FillStandings(TableContext& ctx, const TableRequest& request) {
    const std::string usage = "standings drivers|teams YEAR";
    const Side side = SideOf(request);
    if (side == Side::None || request.args.size() != 2) return Usage(usage);
    const int year = SeasonYear(ctx.db, request.args[1]);
    if (year == 0) return NoSeason(request.args[1]);
    if (side == Side::Drivers) {
        DriverStandingsTable(ctx, year);
    } else if (!TeamStandingsTable(ctx, year)) {
        return "No constructors' championship in " + std::to_string(year) + " (it began in " +
               std::to_string(FirstConstructorsYear) + ")";
    }
    return {};
}

std::string FillChampions(TableContext& ctx, const TableRequest& request) {
    const Side side = SideOf(request);
    if (side == Side::None || request.args.size() != 1) return Usage("champions drivers|teams");
    if (side == Side::Drivers)
        DriverChampionsTable(ctx);
    else
        TeamChampionsTable(ctx);
    return {};
}

std::string FillRanking(TableContext& ctx, const TableRequest& request) {
    const Side side = SideOf(request);
    if (side == Side::None || request.args.size() != 1) return Usage("ranking drivers|teams");
    if (side == Side::Drivers)
        DriverChampionRanking(ctx);
    else
        TeamChampionRanking(ctx);
    return {};
}

// points / titles of one driver or team, found by name (exactly, else ignoring ASCII case).
std::string FillPerName(TableContext& ctx, const TableRequest& request, bool titles) {
    const Side side = SideOf(request);
    if (side == Side::None || request.args.size() < 2)
        return Usage(std::string(titles ? "titles" : "points") + " driver|team NAME");
    const std::string name = Utf8ToCp1254(Joined(request, 1));
    if (side == Side::Drivers) {
        std::uint16_t d = ctx.db.FindDriver(name);
        if (d == 0) d = ctx.db.FindDriverCI(name);
        if (d == 0)
            return WithSuggestions("No driver named " + name, ctx.db, NameKind::Driver, name);
        ctx.grid.SelectedRecord = d;
        if (titles)
            Championship1Click(ctx);
        else
            pointsbyyearClick(ctx);
    } else {
        std::uint16_t t = ctx.db.FindTeam(name);
        if (t == 0) t = FindTeamCI(ctx.db, name);
        if (t == 0) return WithSuggestions("No team named " + name, ctx.db, NameKind::Team, name);
        ctx.grid.SelectedRecord = t;
        if (titles)
            teamChampionship1Click(ctx);
        else
            teampointsbyyearClick(ctx);
    }
    return {};
}

// winners / fastest-laps / poles [YEAR]
std::string FillSeasonList(TableContext& ctx, const TableRequest& request, const char* name,
                           int kind) {
    if (request.args.size() > 1) return Usage(std::string(name) + " [YEAR]");
    int year = 0;
    if (!request.args.empty()) {
        year = SeasonYear(ctx.db, request.args[0]);
        if (year == 0) return NoSeason(request.args[0]);
    }
    if (kind == 0)
        ListWinners(ctx, year);
    else
        ListGPFacts(ctx, kind, year);
    return {};
}

TableRegistrar registrar({
    {"gp", "gp DATE", FillGP},
    {"gp-list", "gp-list YEAR [--by track|name|date]", FillGPList},
    {"standings", "standings drivers|teams YEAR", FillStandings},
    {"champions", "champions drivers|teams", FillChampions},
    {"ranking", "ranking drivers|teams", FillRanking},
    {"points", "points driver|team NAME",
     [](TableContext& c, const TableRequest& r) { return FillPerName(c, r, false); }},
    {"titles", "titles driver|team NAME",
     [](TableContext& c, const TableRequest& r) { return FillPerName(c, r, true); }},
    {"winners", "winners [YEAR]",
     [](TableContext& c, const TableRequest& r) { return FillSeasonList(c, r, "winners", 0); }},
    {"fastest-laps", "fastest-laps [YEAR]",
     [](TableContext& c, const TableRequest& r) {
         return FillSeasonList(c, r, "fastest-laps", GPFactFastestLaps);
     }},
    {"poles", "poles [YEAR]",
     [](TableContext& c, const TableRequest& r) {
         return FillSeasonList(c, r, "poles", GPFactPoles);
     }},
});

} // namespace

int PrintGPText(CliContext& ctx, int g, std::ostream& out, std::ostream& err) {
    const Langs& langs = ctx.Language(err);
    TableContext table(*ctx.db, langs);
    table.grid.ApplyZoom(1.0, 1280);
    FillYearLists(table);
    if (!ShowGPByDate(table, ctx.db->GPs[static_cast<std::size_t>(g)].Date)) {
        err << "The database holds no Grand Prix\n";
        return 1;
    }
    PrintTableText(table.grid.tablo1, out);
    const GPInfoPanel& info = table.browser.Info;
    // A missing time (no pole time is known for 2006) leaves no blank behind the name.
    const auto line = [&](int caption, const std::string& name, const std::string& time) {
        out << Out(langs.Text(caption)) << ": " << Out(name) << (time.empty() ? "" : " ") << time
            << "\n";
    };
    out << "\n";
    line(FastestLapCaption, info.FastestLap, info.FastestLapTime);
    line(PolePositionCaption, info.PolePosition, info.PolePositionTime);
    if (info.WeatherCaptionVisible)
        out << Out(langs.Text(WeatherCaption)) << ": " << Out(info.Weather) << "\n";
    out << Out(langs.Text(LapsCaption)) << " " << info.Laps << "\n";
    return 0;
}

} // namespace qor::cli
