// `qor-cli table records ...` and `table races-results TRACK`: the record lists of a driver,
// team or track, opened on the record the grid's popup menus would be opened on.

#include "TableCommand.h"

#include "database/NameSuggestions.h"
#include "statistics/RecordMenus.h"
#include "statistics/RecordSubject.h"
#include "text/Encoding.h"

#include <array>
#include <map>
#include <optional>
#include <string_view>

namespace qor::cli {
namespace {

constexpr const char* kRecordsUsage =
    "records driver|team|track NAME races|wins|podiums|fastest-laps|poles "
    "[--track T | --year Y | --team T | --driver D]";

std::optional<RecordKind> KindNamed(std::string_view word) {
    constexpr std::array<std::pair<std::string_view, RecordKind>, 5> kinds = {{
        {"races", rkRaces},
        {"wins", rkWins},
        {"podiums", rkPodiums},
        {"fastest-laps", rkFastestLaps},
        {"poles", rkPoles},
    }};
    for (const auto& [name, kind] : kinds)
        if (name == word) return kind;
    return std::nullopt;
}

// A name or year from the command line, found in the database or with its error text. Names
// and error texts are Windows-1254, as the database holds them and the table command prints.
struct Found {
    int index = 0;
    std::string error;
};

Found FindDriverNamed(const The_Class& db, const std::string& name) {
    if (const auto i = db.FindDriver(name)) return {i, {}};
    return {0, NotFoundMessage(db, NameKind::Driver, name)};
}

Found FindTeamNamed(const The_Class& db, const std::string& name) {
    if (const auto i = db.FindTeam(name)) return {i, {}};
    return {0, NotFoundMessage(db, NameKind::Team, name)};
}

Found FindTrackNamed(const The_Class& db, const std::string& name) {
    if (const auto i = db.FindTrack(name)) return {i, {}};
    return {0, NotFoundMessage(db, NameKind::Track, name)};
}

Found FindYearNamed(const The_Class& db, const std::string& text) {
    const long year = ParseDecimal(text, 0);
    if (year >= FirstYear && year <= LastPossibleYear && db.IsYearLoaded(static_cast<int>(year)))
        return {static_cast<int>(year), {}};
    return {0, "Year \"" + text + "\" not found."};
}

// Runs the popup command of `producer` and `kind` on `record`, as a right click on that
// record's row and the choice of the item would.
std::string Run(TableContext& ctx, GridPopup popup, RecordProducer producer, RecordKind kind,
                std::uint16_t record) {
    const RecordMenuCommand* command = FindRecordMenuCommand(producer, kind, popup);
    if (!command) return "This list does not exist.";
    OpenRecordPopup(ctx, popup, record);
    RunRecordMenuCommand(ctx, *command);
    return {};
}

std::string DriverRecords(TableContext& ctx, const std::string& name, RecordKind kind,
                          const std::map<std::string, std::string>& options) {
    const The_Class& db = ctx.db;
    const Found driver = FindDriverNamed(db, name);
    if (!driver.error.empty()) return driver.error;
    if (options.empty()) {
        const auto r = db.FirstDriverResult(name, "");
        if (!r) return name + " has no result.";
        return Run(ctx, GridPopup::Driver, RecordProducer::DriverAllList, kind, r);
    }
    const auto& [option, value] = *options.begin();
    if (option == "track") {
        const Found track = FindTrackNamed(db, value);
        if (!track.error.empty()) return track.error;
        const auto r = db.FirstDriverResult(name, value);
        if (!r) return name + " has no result at " + value + ".";
        return Run(ctx, GridPopup::Driver, RecordProducer::DriverPistList, kind, r);
    }
    if (option == "year") {
        const Found year = FindYearNamed(db, value);
        if (!year.error.empty()) return year.error;
        RecordSubjectQuery q;
        q.Driver = static_cast<std::uint16_t>(driver.index);
        q.Year = year.index;
        const auto r = FirstMatchingResult(db, q);
        if (!r) return name + " has no result in " + value + ".";
        return Run(ctx, GridPopup::Driver, RecordProducer::DriverYearList, kind, r);
    }
    if (option == "team") {
        const Found team = FindTeamNamed(db, value);
        if (!team.error.empty()) return team.error;
        RecordSubjectQuery q;
        q.Driver = static_cast<std::uint16_t>(driver.index);
        q.Team = static_cast<std::uint8_t>(team.index);
        const auto r = FirstMatchingResult(db, q);
        if (!r) return name + " has no result with " + value + ".";
        return Run(ctx, GridPopup::Driver, RecordProducer::DriverTeamList, kind, r);
    }
    return "--" + option + " does not apply to a driver's records.";
}

std::string TeamRecords(TableContext& ctx, const std::string& name, RecordKind kind,
                        const std::map<std::string, std::string>& options) {
    const The_Class& db = ctx.db;
    const Found team = FindTeamNamed(db, name);
    if (!team.error.empty()) return team.error;
    if (options.empty()) {
        const auto r = db.FirstTeamResult(name, "");
        if (!r) return name + " has no result.";
        return Run(ctx, GridPopup::Team, RecordProducer::TeamAllList, kind, r);
    }
    const auto& [option, value] = *options.begin();
    if (option == "track") {
        const Found track = FindTrackNamed(db, value);
        if (!track.error.empty()) return track.error;
        const auto r = db.FirstTeamResult(name, value);
        if (!r) return name + " has no result at " + value + ".";
        return Run(ctx, GridPopup::Team, RecordProducer::TeamPistList, kind, r);
    }
    if (option == "year") {
        const Found year = FindYearNamed(db, value);
        if (!year.error.empty()) return year.error;
        RecordSubjectQuery q;
        q.Team = static_cast<std::uint8_t>(team.index);
        q.Year = year.index;
        const auto r = FirstMatchingResult(db, q);
        if (!r) return name + " has no result in " + value + ".";
        return Run(ctx, GridPopup::Team, RecordProducer::TeamYearList, kind, r);
    }
    if (option == "driver") {
        const Found driver = FindDriverNamed(db, value);
        if (!driver.error.empty()) return driver.error;
        RecordSubjectQuery q;
        q.Driver = static_cast<std::uint16_t>(driver.index);
        q.Team = static_cast<std::uint8_t>(team.index);
        const auto r = FirstMatchingResult(db, q);
        if (!r) return name + " has no result with " + value + ".";
        return Run(ctx, GridPopup::Team, RecordProducer::DriverTeamList, kind, r);
    }
    return "--" + option + " does not apply to a team's records.";
}

// The first result at a track: the record a track cell's popup is opened on.
Found FirstResultAtTrack(const The_Class& db, const std::string& name) {
    const Found track = FindTrackNamed(db, name);
    if (!track.error.empty()) return track;
    RecordSubjectQuery q;
    q.Track = static_cast<std::uint8_t>(track.index);
    if (const auto r = FirstMatchingResult(db, q)) return {r, {}};
    return {0, "No result at " + name + "."};
}

std::string TrackRecords(TableContext& ctx, const std::string& name, RecordKind kind,
                         const std::map<std::string, std::string>& options) {
    if (!options.empty())
        return "--" + options.begin()->first + " does not apply to a track's records.";
    if (kind == rkRaces) return "A track has no races list; see races-results " + name + ".";
    const Found first = FirstResultAtTrack(ctx.db, name);
    if (!first.error.empty()) return first.error;
    return Run(ctx, GridPopup::Track, RecordProducer::PistRecordList, kind,
               static_cast<std::uint16_t>(first.index));
}

// The options with their values converted to Windows-1254.
std::map<std::string, std::string> Cp1254Options(const TableRequest& request) {
    std::map<std::string, std::string> options;
    for (const auto& [option, value] : request.options)
        options[option] = Utf8ToCp1254(value);
    return options;
}

std::string FillRecords(TableContext& ctx, const TableRequest& request) {
    if (request.args.size() != 3) return std::string("usage: ") + kRecordsUsage;
    const std::string& subject = request.args[0];
    const std::string name = Utf8ToCp1254(request.args[1]);
    const auto kind = KindNamed(request.args[2]);
    if (!kind)
        return "Unknown list \"" + Utf8ToCp1254(request.args[2]) +
               "\" (races, wins, podiums, fastest-laps or poles).";
    const auto options = Cp1254Options(request);
    for (const auto& [option, value] : options)
        if (option != "track" && option != "year" && option != "team" && option != "driver")
            return "Unknown option --" + Utf8ToCp1254(option) + ".";
    if (options.size() > 1) return "Give at most one of --track, --year, --team, --driver.";
    if (subject == "driver") return DriverRecords(ctx, name, *kind, options);
    if (subject == "team") return TeamRecords(ctx, name, *kind, options);
    if (subject == "track") return TrackRecords(ctx, name, *kind, options);
    return "Unknown subject \"" + Utf8ToCp1254(subject) + "\" (driver, team or track).";
}

std::string FillRacesResults(TableContext& ctx, const TableRequest& request) {
    if (request.args.size() != 1 || !request.options.empty()) return "usage: races-results TRACK";
    const Found first = FirstResultAtTrack(ctx.db, Utf8ToCp1254(request.args[0]));
    if (!first.error.empty()) return first.error;
    return Run(ctx, GridPopup::Track, RecordProducer::AllRaces2Click, rkRaces,
               static_cast<std::uint16_t>(first.index));
}

const TableRegistrar registrar({
    {"records", kRecordsUsage, FillRecords},
    {"races-results", "races-results TRACK", FillRacesResults},
});

} // namespace
} // namespace qor::cli
