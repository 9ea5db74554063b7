// Filling the results database from the F1DB tables.

#include "F1dbImport.h"

#include "BuildError.h"
#include "Naming.h"
#include "ResultText.h"
#include "TextFit.h"
#include "TimeCodes.h"
#include "Tsv.h"
#include "text/Encoding.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <unordered_map>

namespace qor::tools {
namespace {

// Gives each distinct key the next index (from 1) on first use.
template <typename Key> class IndexOf {
  public:
    std::size_t Get(const Key& key) {
        const auto [it, added] = map_.try_emplace(key, order_.size() + 1);
        if (added) order_.push_back(key);
        return it->second;
    }
    std::size_t Find(const Key& key) const {
        const auto it = map_.find(key);
        return it == map_.end() ? 0 : it->second;
    }
    // Key of index i is Order()[i - 1].
    const std::vector<Key>& Order() const { return order_; }

  private:
    std::map<Key, std::size_t> map_;
    std::vector<Key> order_;
};

std::string Where(const TsvTable& t, std::size_t row) {
    return t.Source() + " row " + std::to_string(row + 1);
}

long ParseWhole(std::string_view s, const std::string& where) {
    long v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        throw BuildError(where + ": \"" + std::string(s) + "\" is not a whole number");
    return v;
}

double ParsePoints(std::string_view s, const std::string& where) {
    if (s.empty()) return 0.0;
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || v < 0)
        throw BuildError(where + ": \"" + std::string(s) + "\" is not a number of points");
    return v;
}

std::uint16_t PackIsoDate(std::string_view s, int& year, const std::string& where) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') throw BuildError(where + ": bad date");
    year = static_cast<int>(ParseWhole(s.substr(0, 4), where));
    const long month = ParseWhole(s.substr(5, 2), where);
    const long day = ParseWhole(s.substr(8, 2), where);
    if (year < FirstYear || year > LastPossibleYear || month < 1 || month > 12 || day < 1 ||
        day > 31)
        throw BuildError(where + ": date " + std::string(s) + " outside the database's range");
    return static_cast<std::uint16_t>(((year - FirstYear) << 9) | (month << 5) | day);
}

std::unordered_map<std::string, std::size_t> RowsById(const TsvTable& t, std::string_view column) {
    std::unordered_map<std::string, std::size_t> rows;
    const std::size_t c = t.Column(column);
    for (std::size_t i = 0; i < t.size(); ++i)
        if (!rows.emplace(t.Cell(i, c), i).second)
            throw BuildError(Where(t, i) + ": duplicate id " + t.Cell(i, c));
    return rows;
}

std::size_t RowOf(const std::unordered_map<std::string, std::size_t>& rows, const std::string& id,
                  const std::string& what, const std::string& where) {
    const auto it = rows.find(id);
    if (it == rows.end()) throw BuildError(where + ": unknown " + what + " \"" + id + "\"");
    return it->second;
}

template <typename T> T Narrow(std::size_t v, std::size_t capacity, const char* what) {
    if (v > capacity) throw BuildError(std::string("more ") + what + " than the database holds");
    return static_cast<T>(v);
}

template <std::size_t Cap, std::size_t N>
void SetNames(std::array<ShortString<Cap>, N>& table, const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i)
        table[i + 1].assign_clean(names[i]);
}

struct Race {
    std::string id;
    int year = 0;
    std::uint16_t date = 0;
    std::size_t row = 0;
    std::uint16_t gp = 0; // index in the database
};

struct YearDriver {
    int year;
    std::size_t driver;
    auto operator<=>(const YearDriver&) const = default;
};

} // namespace

void F1dbImport::Fill(The_Class& db) {
    const auto load = [&](const char* name) { return TsvTable::Load(folder_ + "/" + name); };
    const TsvTable races = load("races.tsv");
    const TsvTable results = load("race_results.tsv");
    const TsvTable drivers = load("drivers.tsv");
    const TsvTable constructors = load("constructors.tsv");
    const TsvTable engines = load("engine_manufacturers.tsv");
    const TsvTable circuits = load("circuits.tsv");
    const TsvTable grandsPrix = load("grands_prix.tsv");
    const TsvTable countries = load("countries.tsv");
    const TsvTable fastestLaps = load("fastest_laps.tsv");
    const TsvTable poles = load("pole_positions.tsv");
    const TsvTable driverTable = load("driver_standings.tsv");
    const TsvTable teamTable = load("constructor_standings.tsv");

    const auto driverRows = RowsById(drivers, "driver_id");
    const auto constructorRows = RowsById(constructors, "constructor_id");
    const auto engineRows = RowsById(engines, "engine_manufacturer_id");
    const auto circuitRows = RowsById(circuits, "circuit_id");
    const auto gpRows = RowsById(grandsPrix, "grand_prix_id");
    const auto countryRows = RowsById(countries, "country_id");

    // ---- Races in date order --------------------------------------------------------------
    std::vector<Race> raceList;
    for (std::size_t i = 0; i < races.size(); ++i) {
        Race r;
        r.id = races.Cell(i, "race_id");
        r.row = i;
        r.date = PackIsoDate(races.Cell(i, "date"), r.year, Where(races, i));
        raceList.push_back(r);
    }
    if (raceList.empty()) throw BuildError(races.Source() + ": no races");
    std::stable_sort(raceList.begin(), raceList.end(),
                     [](const Race& a, const Race& b) { return a.date < b.date; });
    for (std::size_t i = 1; i < raceList.size(); ++i)
        if (raceList[i].date == raceList[i - 1].date)
            throw BuildError("races " + raceList[i - 1].id + " and " + raceList[i].id +
                             " share a date");
    if (raceList.front().year != FirstYear)
        throw BuildError("the first race is not of " + std::to_string(FirstYear));
    const int lastYear = raceList.back().year;
    std::unordered_map<std::string, Race*> raceById;
    for (Race& r : raceList)
        if (!raceById.emplace(r.id, &r).second) throw BuildError("duplicate race " + r.id);

    // ---- Entries of each race in F1DB's display order --------------------------------------
    std::unordered_map<std::string, std::vector<std::pair<long, std::size_t>>> entriesOf;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const std::string& raceId = results.Cell(i, "race_id");
        if (!raceById.count(raceId)) throw BuildError(Where(results, i) + ": unknown race");
        entriesOf[raceId].emplace_back(
            ParseWhole(results.Cell(i, "display_order"), Where(results, i)), i);
    }

    IndexOf<std::string> driverIdx, teamIdx, trackIdx, gpNameIdx;
    std::vector<std::string> resultReason(1);
    std::map<std::string, int> reasonUses;
    std::map<YearDriver, std::size_t> lastScoringTeam, lastTeam;
    std::map<YearDriver, int> driverWins;
    std::map<std::pair<int, std::size_t>, std::set<std::uint16_t>> teamWinGPs;
    std::map<std::string, int> teamFirstYear;
    std::map<std::string, int> entriesOfDriver;

    std::size_t g = 0, r = 0;
    for (Race& race : raceList) {
        g = Narrow<std::size_t>(g + 1, MaxGPs, "Grands Prix");
        race.gp = static_cast<std::uint16_t>(g);
        const std::string where = Where(races, race.row);
        TGPRow& gp = db.GPs[g];
        gp.Date = race.date;
        const std::string& circuitId = races.Cell(race.row, "circuit_id");
        const auto circuitRow = RowOf(circuitRows, circuitId, "circuit", where);
        gp.Track = Narrow<std::uint8_t>(
            trackIdx.Get(TrackName(circuitId, circuits.Cell(circuitRow, "name"), race.year)),
            MaxTracks, "circuits");
        const std::string& gpId = races.Cell(race.row, "grand_prix_id");
        const auto gpRow = RowOf(gpRows, gpId, "Grand Prix", where);
        gp.GPName =
            Narrow<std::uint8_t>(gpNameIdx.Get(GPName(gpId, grandsPrix.Cell(gpRow, "name"))),
                                 MaxGPNames, "Grand Prix names");
        const std::string& laps = races.Cell(race.row, "laps");
        gp.Laps = laps.empty()
                      ? 0
                      : Narrow<std::uint8_t>(static_cast<std::size_t>(ParseWhole(laps, where)), 255,
                                             "laps");

        // Classified entries by position (shared cars keep theirs), then the unplaced ones,
        // each group in display order.
        auto& entries = entriesOf[race.id];
        std::stable_sort(entries.begin(), entries.end());
        struct Placed {
            int key;
            std::size_t row;
            int pos;
            EntryStatus status;
        };
        std::vector<Placed> placed;
        for (const auto& [order, row] : entries) {
            int pos = 0;
            const auto status = ParseStatus(results.Cell(row, "position"), pos);
            if (!status)
                throw BuildError(Where(results, row) + ": unknown position \"" +
                                 results.Cell(row, "position") + "\"");
            placed.push_back({pos == 0 ? 100 : pos, row, pos, *status});
        }
        std::stable_sort(placed.begin(), placed.end(),
                         [](const Placed& a, const Placed& b) { return a.key < b.key; });

        gp.FirstResult = static_cast<std::uint16_t>(r + 1);
        for (const Placed& p : placed) {
            r = Narrow<std::size_t>(r + 1, MaxResults, "results");
            const std::string rowWhere = Where(results, p.row);
            TResultRec& res = db.Results[r];
            const std::string& driverId = results.Cell(p.row, "driver_id");
            RowOf(driverRows, driverId, "driver", rowWhere);
            const std::string& constructorId = results.Cell(p.row, "constructor_id");
            RowOf(constructorRows, constructorId, "constructor", rowWhere);
            const std::size_t d = driverIdx.Get(driverId);
            const std::size_t t = teamIdx.Get(constructorId);
            teamFirstYear.try_emplace(constructorId, race.year);
            ++entriesOfDriver[driverId];
            res.Driver = Narrow<std::uint16_t>(d, MaxDrivers, "drivers");
            res.Team = Narrow<std::uint8_t>(t, MaxTeams, "constructors");
            res.Pos = static_cast<std::uint8_t>(p.pos);

            const std::string& grid = results.Cell(p.row, "grid_position");
            if (!grid.empty() && grid != "PL")
                res.Grid = Narrow<std::uint16_t>(
                    static_cast<std::size_t>(ParseWhole(grid, rowWhere)), 65535, "grid places");

            const std::string& time = results.Cell(p.row, "time");
            const std::string& gap = results.Cell(p.row, "gap");
            const std::string& lapsRun = results.Cell(p.row, "laps");
            if (p.pos > 0) {
                std::optional<std::uint32_t> code = 0u;
                if (!gap.empty())
                    code = GapTime(gap);
                else if (!time.empty())
                    code = ClockTime(time);
                else if (!lapsRun.empty() && ParseWhole(lapsRun, rowWhere) < gp.Laps)
                    // Classified but retired before the end: the laps it was down are known.
                    code = CountCode(
                        StyleLaps, static_cast<unsigned>(gp.Laps - ParseWhole(lapsRun, rowWhere)));
                if (!code)
                    throw BuildError(rowWhere + ": time \"" + time + "\" / gap \"" + gap +
                                     "\" cannot be stored");
                res.Time = *code;
            } else if (!lapsRun.empty()) {
                const long n = ParseWhole(lapsRun, rowWhere);
                if (n > 1023) throw BuildError(rowWhere + ": too many laps");
                if (n > 0) res.Time = CountCode(StyleLap, static_cast<unsigned>(n));
            }

            std::string text =
                DescriptionText(p.status, ToCp1254(results.Cell(p.row, "reason_retired")));
            ++reasonUses[text];
            resultReason.push_back(std::move(text));

            const YearDriver key{race.year, d};
            lastTeam[key] = t;
            if (ParsePoints(results.Cell(p.row, "points"), rowWhere) > 0) lastScoringTeam[key] = t;
            if (p.pos == 1) {
                ++driverWins[key];
                teamWinGPs[{race.year, t}].insert(race.gp);
            }
        }
        gp.LastResult = static_cast<std::uint16_t>(r);
    }

    // ---- Fastest laps and pole positions ---------------------------------------------------
    const auto fillLap = [&](const TsvTable& table, std::uint16_t TGPRow::*driverField,
                             std::uint32_t TGPRow::*timeField) {
        for (std::size_t i = 0; i < table.size(); ++i) {
            const std::string where = Where(table, i);
            const auto it = raceById.find(table.Cell(i, "race_id"));
            if (it == raceById.end()) throw BuildError(where + ": unknown race");
            TGPRow& gp = db.GPs[it->second->gp];
            const std::size_t d = driverIdx.Find(table.Cell(i, "driver_id"));
            if (d == 0) throw BuildError(where + ": driver without an entry in that race");
            gp.*driverField = static_cast<std::uint16_t>(d);
            const std::string& time = table.Cell(i, "time");
            if (time.empty()) continue;
            const auto code = ClockTime(time);
            if (!code) throw BuildError(where + ": time \"" + time + "\" cannot be stored");
            gp.*timeField = *code;
        }
    };
    fillLap(fastestLaps, &TGPRow::FLDriver, &TGPRow::FLTime);
    fillLap(poles, &TGPRow::PoleDriver, &TGPRow::PoleTime);

    // ---- Descriptions: the most used first, the empty text at its fixed row ----------------
    std::vector<std::pair<int, std::string>> byUse;
    for (const auto& [text, uses] : reasonUses)
        if (!text.empty()) byUse.emplace_back(-uses, text);
    std::sort(byUse.begin(), byUse.end());
    std::vector<std::string> reasons;
    for (const auto& [uses, text] : byUse) {
        // Rows before the empty text's row are filled with empty texts when there are too few.
        while (reasons.size() + 1 == EmptyReasonCode)
            reasons.emplace_back();
        reasons.push_back(text);
    }
    while (reasons.size() < EmptyReasonCode)
        reasons.emplace_back();
    const std::size_t reasonCount = Narrow<std::size_t>(reasons.size(), MaxReasons, "descriptions");
    std::map<std::string, std::uint16_t> reasonCode;
    for (std::size_t i = 0; i < reasons.size(); ++i)
        if (!reasons[i].empty()) reasonCode[reasons[i]] = static_cast<std::uint16_t>(i + 1);
    SetNames(db.Reasons, reasons);
    for (std::size_t i = 1; i <= r; ++i)
        db.Results[i].Reason =
            resultReason[i].empty() ? EmptyReasonCode : reasonCode.at(resultReason[i]);

    // ---- Drivers and their nationalities ---------------------------------------------------
    IndexOf<std::string> natIdx;
    std::map<std::string, Nationality> natInfo;
    std::set<std::string> driverNames;
    drivers_.clear();
    for (std::size_t i = 1; i <= driverIdx.Order().size(); ++i) {
        const std::string& id = driverIdx.Order()[i - 1];
        const std::size_t row = driverRows.at(id);
        Driver d;
        d.id = id;
        d.index = static_cast<std::uint16_t>(i);
        d.name = FitName(ToCp1254(drivers.Cell(row, "name")), 35, "driver name");
        if (!driverNames.insert(d.name).second)
            throw BuildError("two drivers are named " + Cp1254ToUtf8(d.name));
        d.fullName = ToCp1254(drivers.Cell(row, "full_name"));
        d.countryId = drivers.Cell(row, "nationality_country_id");
        d.entries = entriesOfDriver[id];
        db.DriverNames[i].assign_clean(d.name);
        if (!d.countryId.empty()) {
            const std::size_t c = RowOf(countryRows, d.countryId, "country", Where(drivers, row));
            const std::string nat =
                FitName(ToCp1254(countries.Cell(c, "demonym")), 15, "nationality");
            db.DriverNat[i] =
                Narrow<std::uint8_t>(natIdx.Get(nat), MaxNationalities, "nationalities");
            Nationality& n = natInfo[d.countryId];
            n.name = nat;
            n.alpha2 = AsciiLowerCase(countries.Cell(c, "alpha2_code"));
            ++n.drivers;
            n.entries += d.entries;
        }
        drivers_.push_back(std::move(d));
    }
    SetNames(db.Nationalities, natIdx.Order());
    nationalities_.clear();
    for (auto& [id, n] : natInfo)
        nationalities_.push_back(n);

    // ---- Constructors: unique names, the last season's list keeping its own ----------------
    std::set<std::string> pinned;
    for (const std::string& id : teamIdx.Order())
        if (IsPinnedTeamName(id))
            pinned.insert(TeamName(id, constructors.Cell(constructorRows.at(id), "name")));
    std::set<std::string> teamNames;
    IndexOf<std::string> countryIdx;
    for (std::size_t i = 1; i <= teamIdx.Order().size(); ++i) {
        const std::string& id = teamIdx.Order()[i - 1];
        const std::size_t row = constructorRows.at(id);
        std::string name = TeamName(id, constructors.Cell(row, "name"));
        if (!IsPinnedTeamName(id) && (teamNames.count(name) || pinned.count(name)))
            name = FitName(name + " (" + std::to_string(teamFirstYear.at(id)) + ")", 25,
                           "constructor");
        if (!teamNames.insert(name).second)
            throw BuildError("two constructors would be named " + Cp1254ToUtf8(name));
        db.TeamNames[i].assign_clean(name);
        const std::string& countryId = constructors.Cell(row, "country_id");
        if (!countryId.empty()) {
            const std::size_t c =
                RowOf(countryRows, countryId, "country", Where(constructors, row));
            const std::string country = FitName(ToCp1254(countries.Cell(c, "name")), 15, "country");
            db.TeamCountry[i] =
                Narrow<std::uint8_t>(countryIdx.Get(country), MaxCountries, "countries");
        }
    }
    SetNames(db.Countries, countryIdx.Order());
    SetNames(db.TrackNames, trackIdx.Order());
    SetNames(db.GPNames, gpNameIdx.Order());

    // ---- Seasons and their final tables ----------------------------------------------------
    std::map<int, std::vector<std::size_t>> driverRowsOfYear, teamRowsOfYear;
    for (std::size_t i = 0; i < driverTable.size(); ++i)
        driverRowsOfYear[static_cast<int>(
                             ParseWhole(driverTable.Cell(i, "year"), Where(driverTable, i)))]
            .push_back(i);
    for (std::size_t i = 0; i < teamTable.size(); ++i)
        teamRowsOfYear[static_cast<int>(ParseWhole(teamTable.Cell(i, "year"), Where(teamTable, i)))]
            .push_back(i);
    for (const auto* table : {&driverRowsOfYear, &teamRowsOfYear})
        for (const auto& [year, rows] : *table)
            if (year < FirstYear || year > lastYear)
                throw BuildError("standings of " + std::to_string(year) + " without its races");

    std::size_t nextGP = 1, ds = 0, ts = 0;
    for (int y = FirstYear; y <= lastYear; ++y) {
        TSeasonRow& s = db.Seasons[y];
        s.FirstGP = static_cast<std::uint16_t>(nextGP);
        while (nextGP <= g && The_Class::YearOfDate(db.GPs[nextGP].Date) == y)
            ++nextGP;
        s.LastGP = static_cast<std::uint16_t>(nextGP - 1);

        s.FirstDriverStanding = static_cast<std::uint16_t>(ds + 1);
        for (std::size_t row : driverRowsOfYear[y]) {
            const std::string where = Where(driverTable, row);
            ds = Narrow<std::size_t>(ds + 1, MaxDriverStandings, "drivers' standings rows");
            TDriverStanding& st = db.DriverStandings[ds];
            const std::size_t d = driverIdx.Find(driverTable.Cell(row, "driver_id"));
            if (d == 0) throw BuildError(where + ": driver without an entry");
            st.Driver = static_cast<std::uint16_t>(d);
            const YearDriver key{y, d};
            const auto scoring = lastScoringTeam.find(key);
            st.Team = static_cast<std::uint8_t>(scoring != lastScoringTeam.end() ? scoring->second
                                                                                 : lastTeam[key]);
            st.Points = static_cast<float>(ParsePoints(driverTable.Cell(row, "points"), where));
            if (driverTable.Cell(row, "position") == "1" && s.ChampDriver == 0) {
                s.ChampDriver = st.Driver;
                s.ChampDriverTeam = st.Team;
                s.ChampDriverWins = static_cast<std::uint8_t>(driverWins[key]);
            }
        }
        s.LastDriverStanding = static_cast<std::uint16_t>(ds);

        s.FirstTeamStanding = static_cast<std::uint16_t>(ts + 1);
        for (std::size_t row : teamRowsOfYear[y]) {
            const std::string where = Where(teamTable, row);
            ts = Narrow<std::size_t>(ts + 1, MaxTeamStandings, "constructors' standings rows");
            TTeamStanding& st = db.TeamStandings[ts];
            const std::size_t t = teamIdx.Find(teamTable.Cell(row, "constructor_id"));
            if (t == 0) throw BuildError(where + ": constructor without an entry");
            st.Team = static_cast<std::uint16_t>(t);
            const std::string& engineId = teamTable.Cell(row, "engine_manufacturer_id");
            std::string engine;
            if (!engineId.empty())
                engine = FitName(
                    ToCp1254(engines.Cell(RowOf(engineRows, engineId, "engine", where), "name")),
                    25, "engine");
            st.Name.assign_clean(engine);
            st.Points = static_cast<float>(ParsePoints(teamTable.Cell(row, "points"), where));
            if (teamTable.Cell(row, "position") == "1" && s.ChampTeam == 0) {
                s.ChampTeam = static_cast<std::uint8_t>(t);
                s.ChampTeamWins = static_cast<std::uint8_t>(teamWinGPs[{y, t}].size());
            }
        }
        s.LastTeamStanding = static_cast<std::uint16_t>(ts);
    }

    db.DriverCount = static_cast<std::uint16_t>(driverIdx.Order().size());
    db.TeamCount = static_cast<std::uint16_t>(teamIdx.Order().size());
    db.GPNameCount = static_cast<std::uint16_t>(gpNameIdx.Order().size());
    db.TrackCount = static_cast<std::uint16_t>(trackIdx.Order().size());
    db.ReasonCount = static_cast<std::uint16_t>(reasonCount);
    db.NationalityCount = static_cast<std::uint16_t>(natIdx.Order().size());
    db.CountryCount = static_cast<std::uint16_t>(countryIdx.Order().size());
    db.GPCount = static_cast<std::uint16_t>(g);
    db.ResultCount = static_cast<std::uint16_t>(r);
    db.DriverStandingCount = static_cast<std::uint16_t>(ds);
    db.TeamStandingCount = static_cast<std::uint16_t>(ts);
    db.SeasonCount = static_cast<std::uint16_t>(lastYear - FirstYear + 1);
    db.LastYear = lastYear;
    db.RebuildResultIndex();
}

std::vector<std::string> F1dbImport::OtherNameLines(std::size_t limit) const {
    std::vector<const Driver*> order;
    for (const Driver& d : drivers_)
        if (!d.fullName.empty() && d.fullName != d.name) order.push_back(&d);
    std::stable_sort(order.begin(), order.end(), [](const Driver* a, const Driver* b) {
        return a->entries != b->entries ? a->entries > b->entries : a->name < b->name;
    });
    std::vector<std::string> lines;
    for (const Driver* d : order) {
        if (lines.size() == limit) break;
        lines.push_back(d->name + "***" + d->fullName);
    }
    return lines;
}

std::vector<F1dbImport::Nationality> F1dbImport::TopNationalities(std::size_t count) const {
    std::vector<Nationality> list = nationalities_;
    std::sort(list.begin(), list.end(), [](const Nationality& a, const Nationality& b) {
        if (a.drivers != b.drivers) return a.drivers > b.drivers;
        if (a.entries != b.entries) return a.entries > b.entries;
        return a.name < b.name;
    });
    if (list.size() > count) list.resize(count);
    return list;
}

} // namespace qor::tools
