#include "statistics/DriverCareerLists.h"

#include "statistics/GridRowWriter.h"

#include <algorithm>
#include <functional>
#include <string>

namespace qor {
namespace {

// The driver and GP range of a list on the selected record; no GPs when the record is no
// result of a GP of the database.
struct ListScope {
    std::uint16_t Driver = 0;
    int Year = 0; // the season, 0 for the whole history
    int FirstGP = 1;
    int LastGP = 0;
};

ListScope ScopeOf(const The_Class& db, std::uint16_t record, bool season) {
    ListScope s;
    if (record < 1 || record > db.ResultCount || record > MaxResults || db.LastYear < FirstYear)
        return s;
    s.Driver = db.Results[record].Driver;
    if (season) {
        const std::uint16_t g = db.GPOfResult(record);
        if (g == 0) return s;
        s.Year = The_Class::YearOfDate(db.GPs[g].Date);
        if (!db.IsYearLoaded(s.Year)) return s;
        s.FirstGP = db.Seasons[s.Year].FirstGP;
        s.LastGP = db.Seasons[s.Year].LastGP;
    } else {
        s.FirstGP = db.Seasons[FirstYear].FirstGP;
        s.LastGP = db.Seasons[db.LastYear].LastGP;
    }
    s.FirstGP = std::max(s.FirstGP, 1);
    s.LastGP = std::min<int>(s.LastGP, std::min<int>(db.GPCount, MaxGPs));
    return s;
}

// Calls f(gp, record) for the driver's first record of every GP of the scope that has one.
template <typename F> void ForEachFirstRecord(const The_Class& db, const ListScope& s, F f) {
    if (s.Driver == 0) return;
    int previousGP = 0;
    db.ForEachResultOfDriver(s.Driver, [&](int r) {
        const int g = db.Index.GPOf[static_cast<std::size_t>(r)];
        if (g == previousGP || g < s.FirstGP || g > s.LastGP) return;
        previousGP = g;
        f(db.GPs[static_cast<std::size_t>(g)], r);
    });
}

void Record(TableContext& ctx, std::uint16_t kind, std::function<void()> rerun) {
    ctx.history.menuekle(ctx.grid.SelectedRecord, 0, kind, std::move(rerun));
}

std::string SeasonSuffix(const ListScope& s) {
    return s.Year != 0 ? " (" + std::to_string(s.Year) + ")" : std::string();
}

void Finish(TableContext& ctx, const std::string& title, int count) {
    ctx.grid.tablo1.TitleLabel = title;
    ctx.history.SetHistoryCaption(title);
    ctx.grid.tablo1kayitsayisi(grid_rows::Count(count));
    ctx.grid.tablo1.Visible = true;
}

} // namespace

std::uint16_t AllRetireKind(ResultStatus filter) {
    switch (filter) {
    case ResultStatus::DNQ:
        return history_kind::DriverDNQ;
    case ResultStatus::DNPQ:
        return history_kind::DriverDNPQ;
    case ResultStatus::DNS:
        return history_kind::DriverDNS;
    case ResultStatus::Disq:
        return history_kind::DriverDisq;
    case ResultStatus::Other:
        break;
    }
    return history_kind::DriverRetirements;
}

void StartsList(TableContext& ctx, bool season) {
    const std::uint16_t record = ctx.grid.SelectedRecord;
    Record(ctx, history_kind::DriverStarts, [&ctx, record, season] {
        ctx.grid.SelectedRecord = record;
        StartsList(ctx, season);
    });
    const The_Class& db = ctx.db;
    const ListScope scope = ScopeOf(db, record, season);
    ResultGrid& grid = ctx.grid;
    grid.tablo1.Visible = false;
    const Langs& l = ctx.langs;
    const StandardWidths& w = grid.Widths;
    grid.SetTableColumns({9, 25, w.ColWDate, w.ColWTrack, w.ColWName, w.ColWTeam, w.ColWPos,
                          w.ColWTime, w.ColWNotes, 0});
    grid.SetColumnTitles({"", l.Title(slot::Date), l.Title(slot::Track), l.Title(slot::Name),
                          l.Title(slot::Team), l.Title(slot::Pos), l.Title(slot::Time),
                          l.Title(slot::Notes), ""});
    int n = 0;
    ForEachFirstRecord(db, scope, [&](const TGPRow& gp, int r) {
        const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
        if (rec.Pos == 0 && StatusOfReason(db, rec.Reason) != ResultStatus::Other) return;
        ++n;
        grid_rows::AddRow(grid, n,
                          {std::to_string(n), db.FormatDate(gp.Date), db.TrackNameOf(gp.Track),
                           db.ResultDriverName(r), db.ResultTeamName(r),
                           The_Class::NumText(rec.Pos), The_Class::FormatTime(rec.Time),
                           db.ReasonText(rec.Reason), std::to_string(r)});
    });
    Finish(ctx, db.DriverName(scope.Driver) + "     Starts" + SeasonSuffix(scope), n);
}

void AllRetire(TableContext& ctx, ResultStatus filter, bool season) {
    const std::uint16_t record = ctx.grid.SelectedRecord;
    Record(ctx, AllRetireKind(filter), [&ctx, record, filter, season] {
        ctx.grid.SelectedRecord = record;
        AllRetire(ctx, filter, season);
    });
    const The_Class& db = ctx.db;
    const ListScope scope = ScopeOf(db, record, season);
    ResultGrid& grid = ctx.grid;
    grid.tablo1.Visible = false;
    const Langs& l = ctx.langs;
    const StandardWidths& w = grid.Widths;
    grid.SetTableColumns(
        {8, 25, w.ColWDate, w.ColWTrack, w.ColWName, w.ColWTeam, w.ColWTime, w.ColWNotes, 0});
    grid.SetColumnTitles({"", l.Title(slot::Date), l.Title(slot::Track), l.Title(slot::Name),
                          l.Title(slot::Team), l.Title(slot::Time), l.Title(slot::Notes), ""});
    const std::string_view mark = StatusMark(filter);
    int n = 0;
    ForEachFirstRecord(db, scope, [&](const TGPRow& gp, int r) {
        const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
        if (rec.Pos != 0) return;
        const std::string_view reason = ReasonView(db, rec.Reason);
        if (mark.empty() ? StatusOfText(reason) != ResultStatus::Other
                         : reason.find(mark) == std::string_view::npos)
            return;
        ++n;
        grid_rows::AddRow(grid, n,
                          {std::to_string(n), db.FormatDate(gp.Date), db.TrackNameOf(gp.Track),
                           db.ResultDriverName(r), db.ResultTeamName(r),
                           The_Class::FormatTime(rec.Time), db.ReasonText(rec.Reason),
                           std::to_string(r)});
    });
    const std::string what = mark.empty() ? l.Text(slot::Retirements) : std::string(mark);
    Finish(ctx, db.DriverName(scope.Driver) + "     " + what + SeasonSuffix(scope), n);
}

} // namespace qor
