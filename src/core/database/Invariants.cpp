#include "database/Invariants.h"

#include "database/STheClass.h"

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

std::string S(long v) { return std::to_string(v); }

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

// Rule 5: every stored index is 0 or within the table it points into.
void CheckIndexes(const TheClassData& d, Report& r) {
    const auto bad = [&](const std::string& where, long value, long count) {
        r.add("5: " + where + " refers to " + S(value) + " beyond " + S(count));
    };
    for (int i = 1; i <= d.DriverCount && !r.full(); ++i)
        if (d.DriverNat[static_cast<std::size_t>(i)] > d.NationalityCount)
            bad("nationality of driver " + S(i), d.DriverNat[static_cast<std::size_t>(i)],
                d.NationalityCount);
    for (int i = 1; i <= d.TeamCount && !r.full(); ++i)
        if (d.TeamCountry[static_cast<std::size_t>(i)] > d.CountryCount)
            bad("country of team " + S(i), d.TeamCountry[static_cast<std::size_t>(i)], d.CountryCount);
    for (int g = 1; g <= d.GPCount && !r.full(); ++g) {
        const TGPRow& gp = d.GPs[static_cast<std::size_t>(g)];
        const std::string w = "GP " + S(g);
        if (gp.Track > d.TrackCount) bad(w + " track", gp.Track, d.TrackCount);
        if (gp.GPName > d.GPNameCount) bad(w + " name", gp.GPName, d.GPNameCount);
        if (gp.FLDriver > d.DriverCount) bad(w + " fastest-lap driver", gp.FLDriver, d.DriverCount);
        if (gp.PoleDriver > d.DriverCount) bad(w + " pole driver", gp.PoleDriver, d.DriverCount);
        if (gp.Remark > d.RemarkCount) bad(w + " weather", gp.Remark, d.RemarkCount);
    }
    for (int i = 1; i <= d.ResultCount && !r.full(); ++i) {
        const TResultRec& res = d.Results[static_cast<std::size_t>(i)];
        const std::string w = "result " + S(i);
        if (res.Driver > d.DriverCount) bad(w + " driver", res.Driver, d.DriverCount);
        if (res.Team > d.TeamCount) bad(w + " team", res.Team, d.TeamCount);
        if (res.Reason > NoteCodeBase) {
            if (res.Reason - NoteCodeBase > d.NoteCount)
                bad(w + " note", res.Reason - NoteCodeBase, d.NoteCount);
        } else if (res.Reason > d.ReasonCount) {
            bad(w + " description", res.Reason, d.ReasonCount);
        }
    }
    for (int y = FirstYear; y <= d.LastYear && !r.full(); ++y) {
        const TSeasonRow& s = d.Seasons[y];
        const std::string w = "season " + S(y);
        if (s.ChampDriver > d.DriverCount) bad(w + " champion", s.ChampDriver, d.DriverCount);
        if (s.ChampDriverTeam > d.TeamCount) bad(w + " champion's team", s.ChampDriverTeam, d.TeamCount);
        if (s.ChampTeam > d.TeamCount) bad(w + " champion team", s.ChampTeam, d.TeamCount);
    }
    for (int i = 1; i <= d.DriverStandingCount && !r.full(); ++i) {
        const TDriverStanding& s = d.DriverStandings[static_cast<std::size_t>(i)];
        if (s.Driver > d.DriverCount) bad("driver standing " + S(i), s.Driver, d.DriverCount);
        if (s.Team > d.TeamCount) bad("driver standing " + S(i) + " team", s.Team, d.TeamCount);
    }
    for (int i = 1; i <= d.TeamStandingCount && !r.full(); ++i) {
        const TTeamStanding& s = d.TeamStandings[static_cast<std::size_t>(i)];
        if (s.Team > d.TeamCount) bad("team standing " + S(i), s.Team, d.TeamCount);
    }
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
            r.add(std::string("0: ") + c.name + " count " + S(c.count) + " exceeds " + S(c.capacity));
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
    return r.take();
}

std::string FirstViolation(const TheClassData& d) {
    auto v = CheckInvariants(d, 1);
    return v.empty() ? std::string() : v.front();
}

} // namespace qor
