#include "mainwindow/NamedViews.h"

#include "mainwindow/GPBrowser.h"
#include "statistics/ChampionshipTables.h"
#include "statistics/RecordMenus.h"
#include "statistics/RecordSubject.h"
#include "statistics/SeasonLists.h"
#include "text/Encoding.h"

#include <algorithm>
#include <map>

namespace qor {
namespace {

int Number(const std::vector<std::string>& args, std::size_t i) {
    if (i >= args.size()) return -1;
    const long v = ParseDecimal(args[i], -1);
    return v < 0 || v > 100000 ? -1 : static_cast<int>(v);
}

int IndexOf(const std::vector<std::string>& list, int year) {
    const auto it = std::find(list.begin(), list.end(), std::to_string(year));
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

std::string ShowGP(TableContext& ctx, const std::vector<std::string>& args) {
    const int year = Number(args, 1);
    const int n = Number(args, 2);
    const int index = IndexOf(ctx.browser.Years, year);
    if (index < 0) return "no season " + (args.size() > 1 ? args[1] : std::string());
    ctx.browser.YearIndex = index;
    ComboBox1Change(ctx);
    if (n < 1 || n > static_cast<int>(ctx.browser.GPList.size()))
        return "season " + std::to_string(year) + " has no GP number " +
               (args.size() > 2 ? args[2] : std::string("(missing)"));
    ctx.browser.GPIndex = n - 1;
    gpListBox1Click(ctx);
    return {};
}

std::string ShowStandings(TableContext& ctx, const std::vector<std::string>& args) {
    const bool drivers = args.size() > 1 && args[1] == "drivers";
    const bool teams = args.size() > 1 && args[1] == "teams";
    if (!drivers && !teams) return "standings takes drivers or teams";
    const int year = Number(args, 2);
    BrowserState& b = ctx.browser;
    const int index = IndexOf(drivers ? b.DriverStandingYears : b.TeamStandingYears, year);
    if (index < 0)
        return "no championship table for " +
               (args.size() > 2 ? args[2] : std::string("(missing year)"));
    if (drivers) {
        b.DriverStandingYearIndex = index;
        ListBox2Click(ctx);
    } else {
        b.TeamStandingYearIndex = index;
        ListBox3Click(ctx);
    }
    return {};
}

std::string ShowRecords(TableContext& ctx, const std::vector<std::string>& args) {
    static const std::map<std::string, RecordKind> kinds = {{"races", rkRaces},
                                                            {"wins", rkWins},
                                                            {"podiums", rkPodiums},
                                                            {"fastestlaps", rkFastestLaps},
                                                            {"poles", rkPoles}};
    if (args.size() < 3 || !kinds.count(args[2]))
        return "records takes a driver's name and races, wins, podiums, fastestlaps or poles";
    const std::uint16_t driver = ctx.db.FindDriver(args[1]);
    if (!driver) return "no driver " + args[1];
    RecordSubjectQuery query;
    query.Driver = driver;
    const std::uint16_t record = FirstMatchingResult(ctx.db, query);
    if (!record) return args[1] + " has no results";
    const RecordMenuCommand* command =
        FindRecordMenuCommand(RecordProducer::DriverAllList, kinds.at(args[2]), GridPopup::Driver);
    if (!command) return "no such record list";
    ctx.grid.SelectedRecord = record;
    RunRecordMenuCommand(ctx, *command);
    return {};
}

} // namespace

std::string ShowNamedView(TableContext& ctx, const std::vector<std::string>& args) {
    const std::string view = args.empty() ? std::string() : args[0];
    if (view == "gp") return ShowGP(ctx, args);
    if (view == "standings") return ShowStandings(ctx, args);
    if (view == "champions") {
        if (args.size() > 1 && args[1] == "teams")
            Button3Click(ctx);
        else if (args.size() > 1 && args[1] == "drivers")
            Button1Click(ctx);
        else
            return "champions takes drivers or teams";
        return {};
    }
    if (view == "ranking") {
        if (args.size() > 1 && args[1] == "teams")
            Button7Click(ctx);
        else if (args.size() > 1 && args[1] == "drivers")
            Button4Click(ctx);
        else
            return "ranking takes drivers or teams";
        return {};
    }
    if (view == "winners") {
        const int year = args.size() > 1 ? Number(args, 1) : 0;
        if (year < 0 || !ListWinners(ctx, year)) return "no season " + args[1];
        return {};
    }
    if (view == "records") return ShowRecords(ctx, args);
    return "unknown view '" + view + "' (gp, standings, champions, ranking, winners, records)";
}

} // namespace qor
