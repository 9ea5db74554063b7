#include "statistics/TrackStatistics.h"

#include "mainwindow/GPBrowser.h"
#include "text/Encoding.h"

#include <algorithm>

namespace qor {
namespace {

constexpr std::size_t TrackColumn = 22;
constexpr std::size_t DriverColumnEnd = 49;
constexpr std::size_t ValueColumnEnd = 55;
constexpr std::string_view DateGap = "            "; // 12 blanks before the date
constexpr std::string_view ColumnGap = "  ";

// Visits the GPs of the seasons from 1980 on, in order.
template <typename F> void ForEachCountedGP(const The_Class& db, F f) {
    for (int y = std::max(FirstYear, TrackStatsFirstYear); y <= db.LastYear; ++y) {
        const TSeasonRow& s = db.Seasons[y];
        const int last = std::min<int>({s.LastGP, db.GPCount, MaxGPs});
        for (int g = std::max<int>(s.FirstGP, 1); g <= last; ++g)
            f(y, g, db.GPs[static_cast<std::size_t>(g)]);
    }
}

// The leader of a count array: the highest count, the lower index on a tie.
TrackLeader Leader(const std::vector<std::uint16_t>& counts) {
    TrackLeader l;
    for (std::size_t d = 1; d < counts.size(); ++d) {
        if (counts[d] > l.Count) {
            l.Driver = static_cast<std::uint16_t>(d);
            l.Count = counts[d];
        }
    }
    return l;
}

std::string LeaderLine(const The_Class& db, int track, const TrackLeader& l) {
    return PadRight(PadRight(PadRight(db.TrackNameOf(track), TrackColumn) + db.DriverName(l.Driver),
                             DriverColumnEnd) +
                        std::to_string(l.Count),
                    ValueColumnEnd);
}

// Text order ignoring ASCII case, then byte order.
bool TextBefore(const std::string& a, const std::string& b) {
    const std::string la = AsciiLowerCase(a);
    const std::string lb = AsciiLowerCase(b);
    return la != lb ? la < lb : a < b;
}

// The line at `index` of a list, or null for the header line and indexes outside it.
const std::string* DataLine(const std::vector<std::string>& list, int index) {
    if (index < 1 || index >= static_cast<int>(list.size())) return nullptr;
    return &list[static_cast<std::size_t>(index)];
}

} // namespace

std::uint32_t LapThousandths(std::uint32_t code) {
    const std::uint32_t fraction = (((code >> 27) & 3u) << 8) | (code & 0xFFu);
    const bool thousandths = ((code >> 26) & 1u) != 0;
    const std::uint32_t hours = (code >> 24) & 3u;
    const std::uint32_t minutes = (code >> 16) & 0xFFu;
    const std::uint32_t seconds = (code >> 8) & 0xFFu;
    return ((hours * 60 + minutes) * 60 + seconds) * 1000 +
           (thousandths ? fraction : fraction * 10);
}

std::vector<TrackLapRecord> BestTrackLaps(const The_Class& db) {
    std::vector<TrackLapRecord> records(static_cast<std::size_t>(db.TrackCount) + 1);
    ForEachCountedGP(db, [&](int year, int, const TGPRow& gp) {
        if (gp.FLTime == 0 || gp.Track < 1 || gp.Track > db.TrackCount) return;
        TrackLapRecord& r = records[gp.Track];
        if (r.Time != 0 && LapThousandths(r.Time) <= LapThousandths(gp.FLTime)) return;
        r.Driver = gp.FLDriver;
        r.Time = gp.FLTime;
        r.Date = gp.Date;
        if (year >= TrackRecentYear) r.Recent = 1;
    });
    return records;
}

TrackLeaders CountTrackLeaders(const The_Class& db, int track) {
    const std::size_t size = static_cast<std::size_t>(db.DriverCount) + 1;
    std::vector<std::uint16_t> fastestLaps(size), poles(size), wins(size);
    const auto count = [size](std::vector<std::uint16_t>& counts, std::uint16_t d) {
        if (d >= 1 && d < size) ++counts[d];
    };
    ForEachCountedGP(db, [&](int, int, const TGPRow& gp) {
        // A GP without a fastest-lap time counts for none of the three.
        if (gp.Track != track || gp.FLTime == 0) return;
        count(fastestLaps, gp.FLDriver);
        count(poles, gp.PoleDriver);
        if (gp.FirstResult >= 1 && gp.FirstResult <= gp.LastResult &&
            gp.FirstResult <= MaxResults) {
            const TResultRec& first = db.Results[gp.FirstResult];
            if (first.Pos == 1) count(wins, first.Driver);
        }
    });
    return {Leader(fastestLaps), Leader(poles), Leader(wins)};
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string s(text);
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

TrackStatistics PistStatistics1Click(const The_Class& db) {
    TrackStatistics stats;
    const std::vector<TrackLapRecord> records = BestTrackLaps(db);
    for (int t = 1; t <= db.TrackCount; ++t) {
        const TrackLapRecord& r = records[static_cast<std::size_t>(t)];
        if (r.Recent != 1 || r.Time == 0) continue;
        stats.Lists[0].push_back(
            PadRight(PadRight(PadRight(db.TrackNameOf(t), TrackColumn) + db.DriverName(r.Driver),
                              DriverColumnEnd) +
                         The_Class::FormatTime(r.Time),
                     ValueColumnEnd) +
            std::string(DateGap) + db.FormatDate(r.Date));
        const TrackLeaders leaders = CountTrackLeaders(db, t);
        stats.Lists[1].push_back(LeaderLine(db, t, leaders.FastestLaps));
        stats.Lists[2].push_back(LeaderLine(db, t, leaders.Poles));
        stats.Lists[3].push_back(LeaderLine(db, t, leaders.Wins));
    }
    for (std::size_t i = 0; i < stats.Lists.size(); ++i) {
        std::vector<std::string>& list = stats.Lists[i];
        std::stable_sort(list.begin(), list.end(), TextBefore);
        list.insert(list.begin(), std::string(PistListHeader) + (i == 0 ? "Lap Time" : "Count"));
    }
    return stats;
}

std::string TrackStatistics::ListBox1Click(TableContext& ctx, int index) const {
    const std::string* line = DataLine(List(PistListBestLap), index);
    if (!line) return {};
    // The date is what follows the gap before it; its last four characters are the year.
    const std::string_view text = TrimBlanks(*line);
    const std::size_t gap = text.rfind(ColumnGap);
    const std::string_view dateText =
        TrimBlanks(gap == std::string_view::npos ? text : text.substr(gap));
    const long year =
        dateText.size() >= 4 ? ParseDecimal(dateText.substr(dateText.size() - 4), 0) : 0;
    const std::uint16_t date = ctx.db.ParseDate(dateText);
    if (date == 0 || !ctx.db.IsYearLoaded(static_cast<int>(year)))
        return std::string(GPNotExistMessage);
    const TSeasonRow& s = ctx.db.Seasons[static_cast<int>(year)];
    bool found = false;
    for (int g = std::max<int>(s.FirstGP, 1); g <= s.LastGP && g <= MaxGPs && !found; ++g)
        found = ctx.db.GPs[static_cast<std::size_t>(g)].Date == date;
    if (!found || !ShowGPByDate(ctx, date)) return std::string(GPNotExistMessage);
    return {};
}

MenuItemCall TrackStatistics::ListBox4Click(const The_Class& db, int list, int index) const {
    if (list < PistListFastestLaps || list > PistListWins) return {};
    const std::string* line = DataLine(List(list), index);
    if (!line) return {};
    const std::size_t gap = line->find(ColumnGap);
    if (gap == std::string::npos) return {};
    // The driver column starts after the track's padding and ends at the next double blank.
    const std::string track = line->substr(0, gap);
    const std::string_view rest = TrimBlanks(std::string_view(*line).substr(gap));
    const std::string driver(TrimBlanks(rest.substr(0, rest.find(ColumnGap))));
    MenuItemCall call;
    call.Item = list == PistListFastestLaps ? "FL1" : list == PistListPoles ? "poles1" : "wins1";
    call.SelectedRecord = db.FirstDriverResult(driver, track);
    return call;
}

PistCaptions PistWindowCaptions(const Langs& langs) {
    PistCaptions c;
    c.Window = langs.Text(slot::PistStatisticsCaption);
    for (int i = 0; i < PistListCount; ++i)
        c.Buttons[static_cast<std::size_t>(i)] = langs.Text(slot::PistFirstButton + i);
    c.TopLabel = langs.Text(slot::PistTopLabel);
    return c;
}

} // namespace qor
