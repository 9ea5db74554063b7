// The top lists, track statistics, driver comparison and team-mates on the command line.

#include "CliContext.h"
#include "TableCommand.h"

#include "database/NameSuggestions.h"
#include "statistics/DriverComparison.h"
#include "statistics/TeamMates.h"
#include "statistics/TopLists.h"
#include "statistics/TrackStatistics.h"
#include "text/Encoding.h"

#include <algorithm>
#include <ostream>

namespace qor::cli {
namespace {

// Characters, not bytes, so that UTF-8 names line up.
std::size_t Width(const std::string& utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string RightTrimmed(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

// A driver by name: exactly, else ignoring ASCII case; 0 when unknown.
std::uint16_t DriverNamed(const The_Class& db, const std::string& utf8) {
    const std::string name = Utf8ToCp1254(utf8);
    const std::uint16_t d = db.FindDriver(name);
    return d != 0 ? d : db.FindDriverCI(name);
}

std::uint8_t TeamNamed(const The_Class& db, const std::string& utf8) {
    const std::string name = Utf8ToCp1254(utf8);
    if (const std::uint16_t t = db.FindTeam(name)) return static_cast<std::uint8_t>(t);
    const std::string wanted = AsciiLowerCase(name);
    for (int t = 1; t <= db.TeamCount && t <= MaxTeams; ++t)
        if (AsciiLowerCase(db.TeamNames[static_cast<std::size_t>(t)].view()) == wanted)
            return static_cast<std::uint8_t>(t);
    return 0;
}

std::string NoDriver(const The_Class& db, const std::string& utf8) {
    const std::string name = Utf8ToCp1254(utf8);
    return WithSuggestions("No driver named " + name, db, NameKind::Driver, name);
}

// Prints the category, then its three places: rank, name, value and (for streaks) the year.
void PrintCategory(const std::string& caption, const std::array<TopListRow, TopListPlaces>& rows,
                   std::ostream& out) {
    std::size_t nameWidth = 0, valueWidth = 0;
    for (const TopListRow& r : rows) {
        nameWidth = std::max(nameWidth, Width(Out(r.Name)));
        valueWidth = std::max(valueWidth, r.Value.size());
    }
    out << Out(caption) << "\n";
    for (const TopListRow& r : rows) {
        const std::string name = Out(r.Name);
        std::string line = "  " + r.Rank + " " + name + std::string(nameWidth - Width(name), ' ') +
                           "  " + std::string(valueWidth - r.Value.size(), ' ') + r.Value;
        if (!r.Year.empty()) line += "  " + r.Year;
        out << line << "\n";
    }
}

} // namespace

int CmdTopList(CliContext& ctx, std::ostream& out, std::ostream& err) {
    const bool drivers = ctx.args.size() == 1 && ctx.args[0] == "drivers";
    const bool teams = ctx.args.size() == 1 && ctx.args[0] == "teams";
    if (!drivers && !teams) {
        err << "usage: qor-cli toplist drivers|teams\n";
        return 1;
    }
    if (!ctx.Load(err)) return 2;
    const Langs& langs = ctx.Language(err);
    const TopLists lists = drivers ? opLists1Click(*ctx.db) : opListsteamClick(*ctx.db);
    const TopListCaptions captions = TopListWindowCaptions(langs);
    out << Out(captions.Window) << " - " << Out(drivers ? captions.Drivers : captions.Teams)
        << "\n";
    for (std::size_t c = 0; c < lists.Rows.size(); ++c) {
        out << "\n";
        PrintCategory(captions.Categories[c], lists.Rows[c], out);
    }
    return 0;
}

int CmdTracks(CliContext& ctx, std::ostream& out, std::ostream& err) {
    if (!ctx.args.empty()) {
        err << "usage: qor-cli tracks\n";
        return 1;
    }
    if (!ctx.Load(err)) return 2;
    const Langs& langs = ctx.Language(err);
    const TrackStatistics stats = PistStatistics1Click(*ctx.db);
    const PistCaptions captions = PistWindowCaptions(langs);
    out << Out(captions.Window) << "\n" << Out(captions.TopLabel) << "\n";
    for (int list = 1; list <= PistListCount; ++list) {
        out << "\n" << Out(captions.Buttons[static_cast<std::size_t>(list - 1)]) << "\n";
        for (const std::string& line : stats.List(list))
            out << Out(RightTrimmed(line)) << "\n";
    }
    return 0;
}

int CmdTeamMates(CliContext& ctx, std::ostream& out, std::ostream& err) {
    if (ctx.args.size() != 2) {
        err << "usage: qor-cli teammates DRIVER TEAM\n";
        return 1;
    }
    if (!ctx.Load(err)) return 2;
    const The_Class& db = *ctx.db;
    const std::uint16_t driver = DriverNamed(db, ctx.args[0]);
    if (driver == 0) {
        err << Out(NoDriver(db, ctx.args[0])) << "\n";
        return 1;
    }
    const std::uint8_t team = TeamNamed(db, ctx.args[1]);
    if (team == 0) {
        err << Out(WithSuggestions("No team named " + Utf8ToCp1254(ctx.args[1]), db, NameKind::Team,
                                   Utf8ToCp1254(ctx.args[1])))
            << "\n";
        return 1;
    }
    TeamMatesWindow window;
    window.Open(db, driver, team);
    if (window.SeasonBox.empty()) {
        err << Out(db.DriverName(driver)) << " never drove for " << Out(db.TeamName(team)) << "\n";
        return 1;
    }
    out << Out(window.Caption) << "\n\n";
    for (std::size_t i = 0; i < window.SeasonBox.size(); ++i) {
        window.seasonboxChange(db, static_cast<int>(i));
        std::string names;
        for (const std::string& n : window.TeamMateBox)
            names += (names.empty() ? "" : ", ") + Out(n);
        out << window.TeamMateSeason << "  " << (names.empty() ? "-" : names) << "\n";
    }
    return 0;
}

namespace {

const char* const CompareUsage = "compare NAME NAME... [--vertical] [--kind K --season Y]";

// table compare: the compare list's races, or a pair comparison of a kind 1..10.
std::string FillCompare(TableContext& ctx, const TableRequest& request) {
    const std::string usage = std::string("usage: qor-cli table ") + CompareUsage;
    if (request.args.empty()) return usage;
    int kind = 0;
    if (const auto k = request.options.find("kind"); k != request.options.end()) {
        const long v = ParseDecimal(k->second, -1);
        if (v < 0 || v > MaxCompareKind) return usage;
        kind = static_cast<int>(v);
    }
    int season = 0;
    if (const auto s = request.options.find("season"); s != request.options.end()) {
        const long y = ParseDecimal(s->second, 0);
        if (y != 0 && !ctx.db.IsYearLoaded(static_cast<int>(y)))
            return "No season " + Utf8ToCp1254(s->second) + " in the database";
        season = static_cast<int>(y);
    }
    std::vector<std::uint16_t> drivers;
    for (const std::string& name : request.args) {
        const std::uint16_t d = DriverNamed(ctx.db, name);
        if (d == 0) return NoDriver(ctx.db, name);
        if (std::find(drivers.begin(), drivers.end(), d) == drivers.end()) drivers.push_back(d);
    }
    ctx.db.CompareView = request.options.count("vertical") ? 1 : 0;
    if (kind != CompareRacesTogether) {
        if (drivers.size() != 2)
            return "Kind " + std::to_string(kind) + " compares two different drivers";
        ComparePairTable(ctx, kind, season, drivers[0], drivers[1]);
        return {};
    }
    if (drivers.size() > MaxCompareDrivers)
        return "At most " + std::to_string(MaxCompareDrivers) + " drivers can be compared";
    ctx.browser.CompareList.clear();
    for (const std::uint16_t d : drivers)
        AddToCompareList(ctx, d);
    CompareListTable(ctx, season);
    return {};
}

[[maybe_unused]] const bool verticalFlag = (RegisterTableFlag("vertical"), true);

TableRegistrar registrar({{"compare", CompareUsage, FillCompare}});

} // namespace
} // namespace qor::cli
