#include "statistics/TopLists.h"

#include "statistics/PointsText.h"
#include "text/Encoding.h"

#include <algorithm>
#include <vector>

namespace qor {
namespace {

// Significant digits of the points totals.
constexpr int TotalPointsPrecision = 4;

constexpr std::size_t Index(TopListCategory c) {
    return static_cast<std::size_t>(c);
}

// The valid GP range of a season (empty when the stored range is broken).
struct GPRange {
    int first;
    int last;
};
GPRange SeasonGPs(const The_Class& db, int year) {
    const TSeasonRow& s = db.Seasons[year];
    return {std::max<int>(s.FirstGP, 1), std::min<int>({s.LastGP, db.GPCount, MaxGPs})};
}

// The first result record of GP g when it exists and is classified first, else null.
const TResultRec* Winner(const The_Class& db, int g) {
    const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
    if (gp.FirstResult < 1 || gp.FirstResult > gp.LastResult || gp.FirstResult > MaxResults)
        return nullptr;
    const TResultRec& r = db.Results[gp.FirstResult];
    return r.Pos == 1 ? &r : nullptr;
}

// Per-index working arrays of one computation (index 0 and indexes beyond the table's count
// are kept out of the ranking).
struct Tally {
    explicit Tally(int count)
        : points(static_cast<std::size_t>(count) + 1), fastestLaps(points.size()),
          poles(points.size()), wins(points.size()), best(points.size()), bestYear(points.size()) {}

    bool Valid(int key) const { return key >= 1 && static_cast<std::size_t>(key) < points.size(); }
    void Count(std::vector<std::uint16_t>& counts, int key) {
        if (Valid(key)) ++counts[static_cast<std::size_t>(key)];
    }

    std::vector<double> points;
    std::vector<std::uint16_t> fastestLaps, poles, wins, best, bestYear;
};

// Wins and the longest run of wins within one season, of whoever `keyOf` credits a winning
// record to. A run never continues into the next season; an equally long later run keeps the
// earlier season.
template <typename KeyOf> void CountWins(const The_Class& db, Tally& t, KeyOf keyOf) {
    for (int y = FirstYear; y <= db.LastYear; ++y) {
        const GPRange range = SeasonGPs(db, y);
        for (int g = range.first; g <= range.last; ++g) {
            const TResultRec* w = Winner(db, g);
            if (!w) continue;
            const int key = keyOf(*w);
            if (!t.Valid(key)) continue;
            const auto k = static_cast<std::size_t>(key);
            ++t.wins[k];
            int streak = 1;
            for (int next = g + 1; next <= range.last; ++next) {
                const TResultRec* nw = Winner(db, next);
                if (!nw || keyOf(*nw) != key) break;
                ++streak;
            }
            if (streak > t.best[k]) {
                t.best[k] = static_cast<std::uint16_t>(streak);
                t.bestYear[k] = static_cast<std::uint16_t>(y);
            }
        }
    }
}

template <typename T>
TopListSlots Rank(const std::vector<T>& values, const std::vector<std::uint16_t>* years = nullptr) {
    TopListSlots slots{};
    for (std::size_t k = 1; k < values.size(); ++k)
        RankTopList(slots, static_cast<std::uint16_t>(k), static_cast<double>(values[k]),
                    years ? (*years)[k] : std::uint16_t{0});
    return slots;
}

// The label texts of every place; an unfilled place shows the placeholder name and 0.
template <typename NameOf> void FillRows(TopLists& lists, NameOf nameOf) {
    for (int c = 0; c < TopListCategoryCount; ++c) {
        const auto category = static_cast<TopListCategory>(c);
        for (int p = 0; p < TopListPlaces; ++p) {
            const TopListSlot& s = lists.Slot(category, p);
            TopListRow& row = lists.Rows[static_cast<std::size_t>(c)][static_cast<std::size_t>(p)];
            row.Rank = std::to_string(p + 1) + ".";
            row.Name = nameOf(s.Key);
            row.Value = category == TopListCategory::Points
                            ? PointsText(s.Value, TotalPointsPrecision)
                            : std::to_string(static_cast<long>(s.Value));
            row.Year = category == TopListCategory::ConsecutiveWins && s.Year > 0
                           ? std::to_string(s.Year)
                           : std::string();
        }
    }
}

void RankAll(TopLists& lists, const Tally& t) {
    lists.Slots[Index(TopListCategory::Points)] = Rank(t.points);
    lists.Slots[Index(TopListCategory::FastestLaps)] = Rank(t.fastestLaps);
    lists.Slots[Index(TopListCategory::Poles)] = Rank(t.poles);
    lists.Slots[Index(TopListCategory::Wins)] = Rank(t.wins);
    lists.Slots[Index(TopListCategory::ConsecutiveWins)] = Rank(t.best, &t.bestYear);
}

} // namespace

void RankTopList(TopListSlots& slots, std::uint16_t key, double value, std::uint16_t year) {
    if (value == 0) return;
    const TopListSlot candidate{key, value, year};
    if (value > slots[0].Value) {
        slots[2] = slots[1];
        slots[1] = slots[0];
        slots[0] = candidate;
    } else if (value > slots[1].Value) {
        slots[2] = slots[1];
        slots[1] = candidate;
    } else if (value > slots[2].Value) {
        slots[2] = candidate;
    }
}

std::uint8_t TeamOfDriverInGP(const The_Class& db, int g, std::uint16_t d) {
    if (g < 1 || g > MaxGPs || d == 0) return 0;
    const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
    for (int r = std::max<int>(gp.FirstResult, 1); r <= gp.LastResult && r <= MaxResults; ++r)
        if (db.Results[static_cast<std::size_t>(r)].Driver == d)
            return db.Results[static_cast<std::size_t>(r)].Team;
    return 0;
}

TopLists opLists1Click(const The_Class& db) {
    TopLists lists;
    lists.Tag = TopListDrivers;
    Tally t(db.DriverCount);
    for (int i = 1; i <= db.DriverStandingCount && i <= MaxDriverStandings; ++i) {
        const TDriverStanding& s = db.DriverStandings[static_cast<std::size_t>(i)];
        if (t.Valid(s.Driver)) t.points[s.Driver] += static_cast<double>(s.Points);
    }
    for (int y = FirstYear; y <= db.LastYear; ++y) {
        const GPRange range = SeasonGPs(db, y);
        for (int g = range.first; g <= range.last; ++g) {
            const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
            t.Count(t.fastestLaps, gp.FLDriver);
            t.Count(t.poles, gp.PoleDriver);
        }
    }
    CountWins(db, t, [](const TResultRec& r) { return static_cast<int>(r.Driver); });
    RankAll(lists, t);
    FillRows(lists, [&db](int key) { return db.DriverName(key); });
    return lists;
}

TopLists opListsteamClick(const The_Class& db) {
    TopLists lists;
    lists.Tag = TopListTeams;
    Tally t(db.TeamCount);
    for (int i = 1; i <= db.TeamStandingCount && i <= MaxTeamStandings; ++i) {
        const TTeamStanding& s = db.TeamStandings[static_cast<std::size_t>(i)];
        if (t.Valid(s.Team)) t.points[s.Team] += static_cast<double>(s.Points);
    }
    for (int y = FirstYear; y <= db.LastYear; ++y) {
        const GPRange range = SeasonGPs(db, y);
        for (int g = range.first; g <= range.last; ++g) {
            const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
            // A driver without a record in the GP gives team 0, which is not ranked.
            t.Count(t.fastestLaps, TeamOfDriverInGP(db, g, gp.FLDriver));
            t.Count(t.poles, TeamOfDriverInGP(db, g, gp.PoleDriver));
        }
    }
    CountWins(db, t, [](const TResultRec& r) { return static_cast<int>(r.Team); });
    RankAll(lists, t);
    FillRows(lists, [&db](int key) { return db.TeamName(key); });
    return lists;
}

TopListCaptions TopListWindowCaptions(const Langs& langs) {
    TopListCaptions c;
    c.Window = langs.Text(slot::TopListsCaption);
    c.Drivers = langs.Text(slot::TopListsDrivers);
    c.Teams = langs.Text(slot::TopListsTeams);
    for (int i = 0; i < TopListCategoryCount; ++i)
        c.Categories[static_cast<std::size_t>(i)] = langs.Text(slot::TopListsFirstCategory + i);
    return c;
}

const std::array<std::array<std::string_view, TopListPlaces>, TopListCategoryCount>
    TopListNameLabels = {{
        {"Label6", "Label7", "Label8"},
        {"Label12", "Label13", "Label14"},
        {"Label18", "Label19", "Label20"},
        {"Label24", "Label25", "Label26"},
        {"Label32", "Label33", "Label34"},
    }};
const std::array<std::array<std::string_view, TopListPlaces>, TopListCategoryCount>
    TopListValueLabels = {{
        {"Label9", "Label10", "Label11"},
        {"Label15", "Label16", "Label17"},
        {"Label21", "Label22", "Label23"},
        {"Label27", "Label28", "Label29"},
        {"Label35", "Label36", "Label37"},
    }};
const std::array<std::string_view, TopListPlaces> TopListYearLabels = {"Label38", "Label39",
                                                                       "Label40"};

MenuItemCall TopListNameClick(const The_Class& db, const TopLists& lists, TopListCategory category,
                              int place) {
    if (place < 0 || place >= TopListPlaces) return {};
    const TopListRow& row = lists.Row(category, place);
    // The placeholder of an unfilled place names nobody.
    if (row.Name.empty() || row.Name == Unknown) return {};
    const bool teams = lists.Tag == TopListTeams;
    MenuItemCall call;
    switch (category) {
    case TopListCategory::Points:
        call.Item = teams ? "Pointsbyyear1" : "pointsbyyear";
        call.SelectedRecord = teams ? db.FindTeam(row.Name) : db.FindDriver(row.Name);
        return call;
    case TopListCategory::FastestLaps:
        call.Item = teams ? "Allfastestlaps1" : "FL4";
        break;
    case TopListCategory::Poles:
        call.Item = teams ? "Allpoles1" : "Poles7";
        break;
    case TopListCategory::Wins:
        call.Item = teams ? "Allwins1" : "Wins7";
        break;
    case TopListCategory::ConsecutiveWins: {
        const long year = ParseDecimal(row.Year, 0);
        if (year <= 0) return {};
        call.Item = "button2";
        call.Year = static_cast<int>(year);
        return call;
    }
    }
    call.SelectedRecord =
        teams ? db.FirstTeamResult(row.Name, "") : db.FirstDriverResult(row.Name, "");
    return call;
}

} // namespace qor
