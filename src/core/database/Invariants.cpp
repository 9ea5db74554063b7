#include "database/Invariants.h"

#include "database/STheClass.h"

#include <memory>

namespace qor {
namespace {

// Collects violations up to a limit.
class Report {
  public:
    explicit Report(std::size_t limit) : limit_(limit) {}
    bool full() const { return lines_.size() >= limit_; }
    void add(std::string line) {
        if (!full()) lines_.push_back(std::move(line));
    }
    std::vector<std::string> take() { return std::move(lines_); }

  private:
    std::size_t limit_;
    std::vector<std::string> lines_;
};

std::string S(long v) {
    return std::to_string(v);
}

// Rule 1: GPs sorted by date, each season's range holds exactly its year's GPs, ranges tile.
void CheckSeasons(const TheClassData& d, Report& r) {
    if (d.SeasonCount > MaxSeasons) {
        r.add("1: season count " + S(d.SeasonCount) + " exceeds " + S(MaxSeasons));
        return;
    }
    if (d.GPCount > MaxGPs) {
        r.add("1: GP count " + S(d.GPCount) + " exceeds " + S(MaxGPs));
        return;
    }
    for (int i = 2; i <= d.GPCount && !r.full(); ++i)
        if (d.GPs[static_cast<std::size_t>(i)].Date <= d.GPs[static_cast<std::size_t>(i - 1)].Date)
            r.add("1: GP " + S(i) + " is not dated after GP " + S(i - 1));
    int next = 1;
    for (int y = FirstYear; y <= d.LastYear && !r.full(); ++y) {
        const TSeasonRow& s = d.Seasons[y];
        if (s.FirstGP != next) {
            r.add("1: season " + S(y) + " starts at GP " + S(s.FirstGP) + ", expected " + S(next));
            return;
        }
        if (s.LastGP + 1 < s.FirstGP || s.LastGP > d.GPCount) {
            r.add("1: season " + S(y) + " has GP range " + S(s.FirstGP) + ".." + S(s.LastGP));
            return;
        }
        for (int g = s.FirstGP; g <= s.LastGP; ++g)
            if (The_Class::YearOfDate(d.GPs[static_cast<std::size_t>(g)].Date) != y) {
                r.add("1: GP " + S(g) + " in the range of season " + S(y) + " is dated " +
                      S(The_Class::YearOfDate(d.GPs[static_cast<std::size_t>(g)].Date)));
                break;
            }
        next = s.LastGP + 1;
    }
    if (next != d.GPCount + 1)
        r.add("1: season ranges cover GPs 1.." + S(next - 1) + " of " + S(d.GPCount));
}

// Rules 2 and 3: result ranges tile the results in GP order; results sorted by position.
void CheckResults(const TheClassData& d, Report& r) {
    if (d.ResultCount > MaxResults) {
        r.add("2: result count " + S(d.ResultCount) + " exceeds " + S(MaxResults));
        return;
    }
    int next = 1;
    for (int g = 1; g <= d.GPCount && !r.full(); ++g) {
        const TGPRow& gp = d.GPs[static_cast<std::size_t>(g)];
        if (gp.FirstResult != next || gp.LastResult + 1 < gp.FirstResult ||
            gp.LastResult > d.ResultCount) {
            r.add("2: GP " + S(g) + " has result range " + S(gp.FirstResult) + ".." +
                  S(gp.LastResult) + ", expected to start at " + S(next));
            return;
        }
        int prev = 0;
        for (int i = gp.FirstResult; i <= gp.LastResult; ++i) {
            const int pos = d.Results[static_cast<std::size_t>(i)].Pos;
            const int key = pos == 0 ? 100 : pos;
            if (key < prev) {
                r.add("3: results of GP " + S(g) + " are not sorted by position at row " + S(i));
                break;
            }
            prev = key;
        }
        next = gp.LastResult + 1;
    }
    if (next != d.ResultCount + 1 && !r.full())
        r.add("2: GP result ranges cover results 1.." + S(next - 1) + " of " + S(d.ResultCount));
}

// Rule 4: the seasons' standings ranges tile both standings tables in year order.
void CheckStandings(const TheClassData& d, Report& r) {
    struct Table {
        const char* name;
        int count;
        int capacity;
        std::uint16_t TSeasonRow::*first;
        std::uint16_t TSeasonRow::*last;
    };
    const Table tables[] = {
        {"drivers'", d.DriverStandingCount, MaxDriverStandings, &TSeasonRow::FirstDriverStanding,
         &TSeasonRow::LastDriverStanding},
        {"constructors'", d.TeamStandingCount, MaxTeamStandings, &TSeasonRow::FirstTeamStanding,
         &TSeasonRow::LastTeamStanding},
    };
    for (const Table& t : tables) {
        if (t.count > t.capacity) {
            r.add(std::string("4: ") + t.name + " standings count " + S(t.count) + " exceeds " +
                  S(t.capacity));
            continue;
        }
        int next = 1;
        bool broken = false;
        for (int y = FirstYear; y <= d.LastYear; ++y) {
            const TSeasonRow& s = d.Seasons[y];
            const int first = s.*t.first;
            const int last = s.*t.last;
            if (first != next || last + 1 < first || last > t.count) {
                r.add(std::string("4: ") + t.name + " standings of " + S(y) + " have range " +
                      S(first) + ".." + S(last) + ", expected to start at " + S(next));
                broken = true;
                break;
            }
            next = last + 1;
        }
        if (!broken && next != t.count + 1)
            r.add(std::string("4: ") + t.name + " standings ranges cover rows 1.." + S(next - 1) +
                  " of " + S(t.count));
    }
}

// Rule 5: every stored index is 0 or within the table it points into. Texts are built only
// for a violation: this runs on every load.
void CheckIndexes(const TheClassData& d, Report& r) {
    const auto check = [&](long value, long count, auto&& where) {
        if (value > count)
            r.add("5: " + where() + " refers to " + S(value) + " beyond " + S(count));
    };
    for (int i = 1; i <= d.DriverCount && !r.full(); ++i)
        check(d.DriverNat[static_cast<std::size_t>(i)], d.NationalityCount,
              [&] { return "nationality of driver " + S(i); });
    for (int i = 1; i <= d.TeamCount && !r.full(); ++i)
        check(d.TeamCountry[static_cast<std::size_t>(i)], d.CountryCount,
              [&] { return "country of team " + S(i); });
    for (int g = 1; g <= d.GPCount && !r.full(); ++g) {
        const TGPRow& gp = d.GPs[static_cast<std::size_t>(g)];
        check(gp.Track, d.TrackCount, [&] { return "GP " + S(g) + " track"; });
        check(gp.GPName, d.GPNameCount, [&] { return "GP " + S(g) + " name"; });
        check(gp.FLDriver, d.DriverCount, [&] { return "GP " + S(g) + " fastest-lap driver"; });
        check(gp.PoleDriver, d.DriverCount, [&] { return "GP " + S(g) + " pole driver"; });
        check(gp.Remark, d.RemarkCount, [&] { return "GP " + S(g) + " weather"; });
    }
    for (int i = 1; i <= d.ResultCount && !r.full(); ++i) {
        const TResultRec& res = d.Results[static_cast<std::size_t>(i)];
        check(res.Driver, d.DriverCount, [&] { return "result " + S(i) + " driver"; });
        check(res.Team, d.TeamCount, [&] { return "result " + S(i) + " team"; });
        // Note codes are not checked: the notes live in a file of their own, and a code
        // whose note is missing shows "_____" rather than making the results unusable.
        if (res.Reason <= NoteCodeBase)
            check(res.Reason, d.ReasonCount, [&] { return "result " + S(i) + " description"; });
    }
    for (int y = FirstYear; y <= d.LastYear && !r.full(); ++y) {
        const TSeasonRow& s = d.Seasons[y];
        check(s.ChampDriver, d.DriverCount, [&] { return "season " + S(y) + " champion"; });
        check(s.ChampDriverTeam, d.TeamCount,
              [&] { return "season " + S(y) + " champion's team"; });
        check(s.ChampTeam, d.TeamCount, [&] { return "season " + S(y) + " champion team"; });
    }
    for (int i = 1; i <= d.DriverStandingCount && !r.full(); ++i) {
        const TDriverStanding& s = d.DriverStandings[static_cast<std::size_t>(i)];
        check(s.Driver, d.DriverCount, [&] { return "driver standing " + S(i); });
        check(s.Team, d.TeamCount, [&] { return "driver standing " + S(i) + " team"; });
    }
    for (int i = 1; i <= d.TeamStandingCount && !r.full(); ++i)
        check(d.TeamStandings[static_cast<std::size_t>(i)].Team, d.TeamCount,
              [&] { return "team standing " + S(i); });
}

// Rule 6: the index of each driver's and team's rows is the one the tables give now.
void CheckResultIndex(const TheClassData& d, Report& r) {
    const auto fresh = std::make_unique<ResultIndex>();
    BuildResultIndex(d, *fresh);
    const ResultIndex& ix = d.Index;
    if (fresh->FirstOfDriver != ix.FirstOfDriver || fresh->LastOfDriver != ix.LastOfDriver ||
        fresh->NextOfDriver != ix.NextOfDriver)
        r.add("6: the index of each driver's results is stale");
    if (fresh->FirstOfTeam != ix.FirstOfTeam || fresh->LastOfTeam != ix.LastOfTeam ||
        fresh->NextOfTeam != ix.NextOfTeam)
        r.add("6: the index of each team's results is stale");
    if (fresh->GPOf != ix.GPOf) r.add("6: the GP of some result row is stale");
    if (fresh->FirstPoleOfDriver != ix.FirstPoleOfDriver || fresh->NextPole != ix.NextPole ||
        fresh->FirstFastestLapOfDriver != ix.FirstFastestLapOfDriver ||
        fresh->NextFastestLap != ix.NextFastestLap)
        r.add("6: the index of each driver's poles and fastest laps is stale");
    if (fresh->FirstStandingOfDriver != ix.FirstStandingOfDriver ||
        fresh->LastStandingOfDriver != ix.LastStandingOfDriver ||
        fresh->NextStanding != ix.NextStanding)
        r.add("6: the index of each driver's standings is stale");
}

// Counters above their table's capacity make every other check unsafe.
bool CheckCounters(const TheClassData& d, Report& r) {
    const struct {
        const char* name;
        long count;
        long capacity;
    } counters[] = {
        {"drivers", d.DriverCount, MaxDrivers},
        {"teams", d.TeamCount, MaxTeams},
        {"GP names", d.GPNameCount, MaxGPNames},
        {"tracks", d.TrackCount, MaxTracks},
        {"descriptions", d.ReasonCount, MaxReasons},
        {"nationalities", d.NationalityCount, MaxNationalities},
        {"countries", d.CountryCount, MaxCountries},
        {"weather texts", d.RemarkCount, MaxRemarks},
        {"notes", d.NoteCount, MaxNotes},
        {"seasons", d.SeasonCount, MaxSeasons},
        {"GPs", d.GPCount, MaxGPs},
        {"results", d.ResultCount, MaxResults},
        {"drivers' standings", d.DriverStandingCount, MaxDriverStandings},
        {"constructors' standings", d.TeamStandingCount, MaxTeamStandings},
    };
    bool ok = true;
    for (const auto& c : counters)
        if (c.count > c.capacity) {
            r.add(std::string("0: ") + c.name + " count " + S(c.count) + " exceeds " +
                  S(c.capacity));
            ok = false;
        }
    if (d.Notes.size() < static_cast<std::size_t>(d.NoteCount) + 1) {
        r.add("0: notes table holds fewer rows than its count");
        ok = false;
    }
    if (d.LastYear != d.SeasonCount + FirstYear - 1) {
        r.add("0: last year " + S(d.LastYear) + " does not match " + S(d.SeasonCount) + " seasons");
        ok = false;
    }
    return ok;
}

} // namespace

std::vector<std::string> CheckInvariants(const TheClassData& d, std::size_t limit) {
    Report r(limit);
    if (!CheckCounters(d, r)) return r.take();
    CheckSeasons(d, r);
    CheckResults(d, r);
    CheckStandings(d, r);
    CheckIndexes(d, r);
    CheckResultIndex(d, r);
    return r.take();
}

std::string FirstViolation(const TheClassData& d) {
    auto v = CheckInvariants(d, 1);
    return v.empty() ? std::string() : v.front();
}

} // namespace qor
