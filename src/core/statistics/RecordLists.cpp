#include "statistics/RecordLists.h"

#include <algorithm>
#include <vector>

namespace qor {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// Everything a list derives from its one result record. Record 0 stands for a selection that
// names no result of any GP: the names then read "_____" and no GP is scanned.
struct Subject {
    int record = 0;
    std::uint16_t driver = 0;
    std::uint8_t team = 0;
    std::uint8_t track = 0;
    int season = 0;
};

Subject SubjectOf(const The_Class& db, std::uint16_t selected) {
    Subject s;
    const std::uint16_t g = db.GPOfResult(selected);
    if (!g) return s;
    const TResultRec& rec = db.Results[selected];
    const TGPRow& gp = db.GPs[g];
    s.record = selected;
    s.driver = rec.Driver;
    s.team = rec.Team;
    s.track = gp.Track;
    s.season = The_Class::YearOfDate(gp.Date);
    return s;
}

// The GP rows a producer scans, in ascending index (chronological) order.
struct GPRange {
    int first = 1;
    int last = 0;
    bool byTrack = false; // only GPs on `track` (which may be 0: a GP stored without a track)
    std::uint8_t track = 0;
};

GPRange TrackGPs(const The_Class& db, const Subject& s) {
    if (!s.record) return {};
    return {1, db.GPCount, true, s.track};
}

GPRange SeasonGPs(const The_Class& db, const Subject& s) {
    if (!s.record || !db.IsYearLoaded(s.season)) return {};
    return {db.Seasons[s.season].FirstGP, db.Seasons[s.season].LastGP};
}

GPRange AllGPs(const The_Class& db, const Subject& s) {
    if (!s.record || db.LastYear < FirstYear) return {};
    return {db.Seasons[FirstYear].FirstGP, db.Seasons[db.LastYear].LastGP};
}

template <typename Visit> void ForEachGP(const The_Class& db, const GPRange& range, Visit visit) {
    const int last = std::min<int>(range.last, db.GPCount);
    for (int g = std::max(range.first, 1); g <= last; ++g) {
        const TGPRow& gp = db.GPs[U(g)];
        if (range.byTrack && gp.Track != range.track) continue;
        visit(gp);
    }
}

// The result records of a GP a list looks at: only the winner's (the GP's first record) for
// wins. A GP without results has none, not the next GP's first record.
std::pair<int, int> Candidates(const The_Class& db, const TGPRow& gp, RecordKind kind) {
    const int first = gp.FirstResult;
    int last = std::min<int>(gp.LastResult, db.ResultCount);
    if (kind == rkWins) last = std::min(last, first);
    return {first, last};
}

bool OnPodium(const TResultRec& rec) {
    return rec.Pos >= 1 && rec.Pos <= 3;
}

// Whether GP g lies in a range.
bool InRange(const The_Class& db, const GPRange& range, int g) {
    if (g < std::max(range.first, 1) || g > std::min<int>(range.last, db.GPCount)) return false;
    return !range.byTrack || db.GPs[U(g)].Track == range.track;
}

// Whether record r of GP gp makes a row of the driver lists (with the subject team too when
// `team` is set). A driver's row of a GP is his first record there that counts. A shared car
// credits each of its drivers: every record classified in the winner's place is a win, and
// each of the driver's records is tested for the podium.
bool DriverRecordCounts(const The_Class& db, const TGPRow& gp, RecordKind kind, int r,
                        std::uint16_t driver, const std::uint8_t* team) {
    if (kind == rkFastestLaps && gp.FLDriver != driver) return false;
    if (kind == rkPoles && gp.PoleDriver != driver) return false;
    const TResultRec& rec = db.Results[U(r)];
    if (team && rec.Team != *team) return false;
    if (kind == rkWins && r != gp.FirstResult) {
        // An unclassified first record is the GP's win alone.
        const std::uint8_t winner = db.Results[U(gp.FirstResult)].Pos;
        if (winner == 0 || rec.Pos != winner) return false;
    }
    return kind != rkPodiums || OnPodium(rec);
}

// The rows of the track lists: every matching record of the GP; the fastest lap and the pole
// give one row at most.
template <typename Emit>
void TrackRecordsOf(const The_Class& db, const TGPRow& gp, RecordKind kind, Emit emit) {
    const auto [first, last] = Candidates(db, gp, kind);
    for (int r = first; r <= last; ++r) {
        const TResultRec& rec = db.Results[U(r)];
        if (kind == rkFastestLaps && rec.Driver != gp.FLDriver) continue;
        if (kind == rkPoles && rec.Driver != gp.PoleDriver) continue;
        if (kind == rkPodiums && !OnPodium(rec)) continue;
        emit(r);
        if (kind == rkFastestLaps || kind == rkPoles) return;
    }
}

// " (word)" after a heading: the kind's word, "Podiums ... 1-2-3" for podiums; for races the
// races word when the list has one (0: nothing).
std::string KindSuffix(const Langs& langs, RecordKind kind, int racesWord, int winsWord) {
    int word = 0;
    switch (kind) {
    case rkRaces:
        word = racesWord;
        break;
    case rkWins:
        word = winsWord;
        break;
    case rkFastestLaps:
        word = slot::FastestLaps;
        break;
    case rkPoles:
        word = slot::PolePositions;
        break;
    case rkPodiums:
        return "   (" + langs.Title(slot::Podiums) + "   1-2-3)";
    }
    if (!word) return std::string();
    return "   (" + langs.Title(word) + ")";
}

std::string SeasonText(const Subject& s) {
    return s.season ? std::to_string(s.season) : Unknown;
}

enum class Layout { A, B };

// How a list of layout A or B looks.
struct ListShape {
    std::string heading;
    Layout layout = Layout::B;
    // DriverAllList's poles list keeps the " Time" title.
    bool poleTimeTitle = true;
    // The whole-history lists hide the grid while they fill it.
    bool wholeHistory = false;
};

// Writes one list of layout A or B: title, columns, the rows `scan` gives (it calls its
// argument with the GP and the record of each row), and the count.
template <typename Scan>
void WriteList(TableContext& ctx, RecordKind kind, const ListShape& shape, Scan scan) {
    const The_Class& db = ctx.db;
    const Langs& langs = ctx.langs;
    ResultGrid& grid = ctx.grid;
    GridTable& table = grid.tablo1;
    const StandardWidths& w = grid.Widths;

    ctx.browser.Info.Visible = false;
    if (shape.wholeHistory) table.Visible = false;
    table.TitleLabel = shape.heading;
    ctx.history.SetHistoryCaption(shape.heading);

    int timeTitle = slot::Time;
    if (kind == rkFastestLaps) timeTitle = slot::FLTime;
    if (kind == rkPoles && shape.poleTimeTitle) timeTitle = slot::PoleTime;
    const bool withTrack = shape.layout == Layout::B;
    std::vector<int> widths = {25, w.ColWDate};
    std::vector<std::string> titles = {"", langs.Title(slot::Date)};
    if (withTrack) {
        widths.push_back(w.ColWTrack);
        titles.push_back(langs.Title(slot::Track));
    }
    widths.insert(widths.end(), {w.ColWName, w.ColWTeam, w.ColWPos, w.ColWTime, w.ColWNotes, 0});
    for (int s : {slot::Name, slot::Team, slot::Pos, timeTitle, slot::Notes})
        titles.push_back(langs.Title(s));
    titles.emplace_back();
    widths.insert(widths.begin(), static_cast<int>(widths.size()));
    grid.SetTableColumns(widths);
    grid.SetColumnTitles(titles);

    // The rows are found first, so that the grid grows once rather than row by row.
    std::vector<std::pair<const TGPRow*, int>> rows;
    scan([&](const TGPRow& gp, int r) { rows.emplace_back(&gp, r); });
    table.SetRowCount(static_cast<int>(rows.size()) + 1);
    int n = 0;
    for (const auto& [gpRow, r] : rows) {
        const TGPRow& gp = *gpRow;
        const TResultRec& rec = db.Results[U(r)];
        ++n;
        grid.StartGridRow(n);
        grid.AddGridNumber(static_cast<unsigned>(n));
        grid.AddGridText(db.FormatDateText(gp.Date).view());
        if (withTrack) grid.AddGridText(db.TrackNameView(gp.Track));
        grid.AddGridText(db.DriverNameView(rec.Driver));
        grid.AddGridText(db.TeamNameView(rec.Team));
        if (rec.Pos)
            grid.AddGridNumber(rec.Pos);
        else
            grid.AddGridText(std::string_view());
        std::uint32_t time = rec.Time;
        if (kind == rkFastestLaps) time = gp.FLTime;
        if (kind == rkPoles) time = gp.PoleTime;
        grid.AddGridText(The_Class::FormatTimeText(time).view());
        grid.AddGridText(db.ReasonTextView(rec.Reason));
        grid.AddGridNumber(static_cast<unsigned>(r));
    }
    grid.tablo1kayitsayisi(static_cast<std::uint16_t>(n));
    table.Visible = true;
}

// The driver and team lists read only the subject's own records, through the result index.
void DriverList(TableContext& ctx, RecordKind kind, const ListShape& shape, const GPRange& range,
                const Subject& s, bool withTeam) {
    const The_Class& db = ctx.db;
    WriteList(ctx, kind, shape, [&](auto row) {
        int rowGP = 0;
        db.ForEachResultOfDriver(s.driver, [&](int r) {
            const int g = db.Index.GPOf[U(r)];
            if (g == rowGP || !InRange(db, range, g)) return;
            const TGPRow& gp = db.GPs[U(g)];
            if (!DriverRecordCounts(db, gp, kind, r, s.driver, withTeam ? &s.team : nullptr))
                return;
            rowGP = g;
            row(gp, r);
        });
    });
}

void TeamList(TableContext& ctx, RecordKind kind, const ListShape& shape, const GPRange& range,
              const Subject& s, bool anyTeam) {
    const The_Class& db = ctx.db;
    if (anyTeam) {
        WriteList(ctx, kind, shape, [&](auto row) {
            ForEachGP(db, range, [&](const TGPRow& gp) {
                TrackRecordsOf(db, gp, kind, [&](int r) { row(gp, r); });
            });
        });
        return;
    }
    WriteList(ctx, kind, shape, [&](auto row) {
        // The fastest lap and the pole give one row of a GP at most.
        const bool onePerGP = kind == rkFastestLaps || kind == rkPoles;
        int rowGP = 0;
        db.ForEachResultOfTeam(s.team, [&](int r) {
            const int g = db.Index.GPOf[U(r)];
            if ((onePerGP && g == rowGP) || !InRange(db, range, g)) return;
            const TGPRow& gp = db.GPs[U(g)];
            const TResultRec& rec = db.Results[U(r)];
            if (kind == rkWins && r != gp.FirstResult) return;
            if (kind == rkFastestLaps && rec.Driver != gp.FLDriver) return;
            if (kind == rkPoles && rec.Driver != gp.PoleDriver) return;
            if (kind == rkPodiums && !OnPodium(rec)) return;
            rowGP = g;
            row(gp, r);
        });
    });
}

} // namespace

void DriverPistList(TableContext& ctx, RecordKind kind) {
    const The_Class& db = ctx.db;
    const Subject s = SubjectOf(db, ctx.grid.SelectedRecord);
    const std::string heading = db.TrackNameOf(s.track) + " - " + db.DriverName(s.driver) +
                                KindSuffix(ctx.langs, kind, 0, slot::Wins);
    DriverList(ctx, kind, {heading, Layout::A}, TrackGPs(db, s), s, false);
}

void DriverYearList(TableContext& ctx, RecordKind kind) {
    const The_Class& db = ctx.db;
    const Subject s = SubjectOf(db, ctx.grid.SelectedRecord);
    const std::string heading = db.DriverName(s.driver) + "     " + SeasonText(s) +
                                KindSuffix(ctx.langs, kind, 0, slot::Wins);
    DriverList(ctx, kind, {heading, Layout::B}, SeasonGPs(db, s), s, false);
}

void DriverTeamList(TableContext& ctx, RecordKind kind) {
    const The_Class& db = ctx.db;
    const Subject s = SubjectOf(db, ctx.grid.SelectedRecord);
    const std::string heading = db.DriverName(s.driver) + "   &&   " + db.TeamName(s.team) +
                                KindSuffix(ctx.langs, kind, 0, slot::Wins);
    DriverList(ctx, kind, {heading, Layout::B, true, true}, AllGPs(db, s), s, true);
}

void DriverAllList(TableContext& ctx, RecordKind kind) {
    const The_Class& db = ctx.db;
    const Subject s = SubjectOf(db, ctx.grid.SelectedRecord);
    const std::string heading =
        db.DriverName(s.driver) + KindSuffix(ctx.langs, kind, slot::AllRecords, slot::Wins);
    DriverList(ctx, kind, {heading, Layout::B, false, true}, AllGPs(db, s), s, false);
}

void TeamPistList(TableContext& ctx, RecordKind kind) {
    const The_Class& db = ctx.db;
    const Subject s = SubjectOf(db, ctx.grid.SelectedRecord);
    const std::string heading = db.TrackNameOf(s.track) + " - " + db.TeamName(s.team) +
                                KindSuffix(ctx.langs, kind, 0, slot::Wins);
    TeamList(ctx, kind, {heading, Layout::A}, TrackGPs(db, s), s, false);
}

void TeamYearList(TableContext& ctx, RecordKind kind) {
    const The_Class& db = ctx.db;
    const Subject s = SubjectOf(db, ctx.grid.SelectedRecord);
    const std::string heading =
        db.TeamName(s.team) + "     " + SeasonText(s) + KindSuffix(ctx.langs, kind, 0, slot::Wins);
    TeamList(ctx, kind, {heading, Layout::B}, SeasonGPs(db, s), s, false);
}

void TeamAllList(TableContext& ctx, RecordKind kind) {
    const The_Class& db = ctx.db;
    const Subject s = SubjectOf(db, ctx.grid.SelectedRecord);
    const std::string heading =
        db.TeamName(s.team) + KindSuffix(ctx.langs, kind, slot::AllRecords, slot::Wins);
    TeamList(ctx, kind, {heading, Layout::B, true, true}, AllGPs(db, s), s, false);
}

void PistRecordList(TableContext& ctx, RecordKind kind) {
    const The_Class& db = ctx.db;
    const Subject s = SubjectOf(db, ctx.grid.SelectedRecord);
    const std::string heading =
        db.TrackNameOf(s.track) + KindSuffix(ctx.langs, kind, 0, slot::Winners);
    TeamList(ctx, kind, {heading, Layout::A}, TrackGPs(db, s), s, true);
}

void AllRaces2Click(TableContext& ctx) {
    const The_Class& db = ctx.db;
    const Langs& langs = ctx.langs;
    ResultGrid& grid = ctx.grid;
    const StandardWidths& w = grid.Widths;
    const Subject s = SubjectOf(db, ctx.grid.SelectedRecord);

    ctx.browser.Info.Visible = false;
    const std::string heading =
        db.TrackNameOf(s.track) + "   (" + langs.Title(slot::AllRecords) + ")";
    grid.tablo1.TitleLabel = heading;
    ctx.history.SetHistoryCaption(heading);
    // No standard width belongs to GP names; they are as long as track names.
    grid.SetTableColumns({10, 25, w.ColWDate, w.ColWTrack, w.ColWName, w.ColWTime, w.ColWName,
                          w.ColWTime, w.ColWName, w.ColWTime, 0});
    grid.SetColumnTitles({"", langs.Title(slot::Date), langs.Title(slot::Grandprix),
                          langs.Title(slot::Winner), langs.Title(slot::Time),
                          langs.Title(slot::FastestLap), langs.Title(slot::FLTime),
                          langs.Title(slot::PolePosition), langs.Title(slot::PoleTime), ""});
    int n = 0;
    ForEachGP(db, TrackGPs(db, s), [&](const TGPRow& gp) {
        ++n;
        grid.tablo1.SetRowCount(n + 1);
        grid.StartGridRow(n);
        grid.AddGridCell(std::to_string(n));
        grid.AddGridCell(db.FormatDate(gp.Date));
        grid.AddGridCell(db.GPNameOf(gp.GPName));
        // A GP without results has no winner; its FirstResult already belongs to the next GP.
        const bool hasResults = gp.FirstResult <= gp.LastResult;
        const TResultRec& winner = db.Results[hasResults ? gp.FirstResult : 0];
        grid.AddGridCell(hasResults ? db.DriverName(winner.Driver) : std::string());
        grid.AddGridCell(hasResults ? The_Class::FormatTime(winner.Time) : std::string());
        grid.AddGridCell(db.DriverName(gp.FLDriver));
        grid.AddGridCell(The_Class::FormatTime(gp.FLTime));
        grid.AddGridCell(db.DriverName(gp.PoleDriver));
        grid.AddGridCell(The_Class::FormatTime(gp.PoleTime));
        grid.AddGridCell(std::to_string(hasResults ? gp.FirstResult : 0));
    });
    grid.tablo1kayitsayisi(static_cast<std::uint16_t>(n));
}

void RunRecordProducer(TableContext& ctx, RecordProducer producer, RecordKind kind) {
    switch (producer) {
    case RecordProducer::DriverPistList:
        DriverPistList(ctx, kind);
        break;
    case RecordProducer::DriverYearList:
        DriverYearList(ctx, kind);
        break;
    case RecordProducer::DriverTeamList:
        DriverTeamList(ctx, kind);
        break;
    case RecordProducer::DriverAllList:
        DriverAllList(ctx, kind);
        break;
    case RecordProducer::TeamPistList:
        TeamPistList(ctx, kind);
        break;
    case RecordProducer::TeamYearList:
        TeamYearList(ctx, kind);
        break;
    case RecordProducer::TeamAllList:
        TeamAllList(ctx, kind);
        break;
    case RecordProducer::PistRecordList:
        PistRecordList(ctx, kind);
        break;
    case RecordProducer::AllRaces2Click:
        AllRaces2Click(ctx);
        break;
    }
}

} // namespace qor
