#include "statistics/SeasonLists.h"

#include "mainwindow/GPBrowser.h"
#include "statistics/GridRowWriter.h"

namespace qor {
namespace {

using grid_rows::AddBlankRow;
using grid_rows::AddRow;

// Records the list: one season by its year box position, all seasons without a selection.
void Record(TableContext& ctx, int year, std::uint16_t yearKind, std::uint16_t allKind,
            std::function<void()> rerun) {
    if (year == 0) {
        ctx.history.menuekle(0, 0, allKind, std::move(rerun));
        return;
    }
    const int index = YearBoxIndex(ctx, year);
    const int value = index >= 0 ? index : ctx.db.LastYear - year;
    ctx.history.menuekle(static_cast<std::uint16_t>(value), 0, yearKind, std::move(rerun));
}

// Visits the GPs of the year (all years for 0), newest season and newest race first; after
// each season `endOfSeason` runs.
template <typename Gp, typename End>
void ForEachGPNewestFirst(const The_Class& db, int year, Gp gp, End endOfSeason) {
    const int from = year == 0 ? db.LastYear : year;
    const int to = year == 0 ? FirstYear : year;
    for (int y = from; y >= to; --y) {
        const TSeasonRow& s = db.Seasons[y];
        for (int g = std::min<int>(s.LastGP, MaxGPs); g >= s.FirstGP && g >= 1; --g)
            gp(db.GPs[static_cast<std::size_t>(g)]);
        endOfSeason();
    }
}

void Start(TableContext& ctx) {
    ctx.browser.Info.Visible = false;
    ctx.grid.tablo1.Visible = false;
}

void Finish(TableContext& ctx, const std::string& title, int listed) {
    ctx.grid.tablo1.TitleLabel = title;
    ctx.history.SetHistoryCaption(title);
    ctx.grid.tablo1kayitsayisi(grid_rows::Count(listed));
    ctx.grid.tablo1.Visible = true;
}

bool ValidYear(const The_Class& db, int year) {
    return year == 0 || db.IsYearLoaded(year);
}

} // namespace

bool ListWinners(TableContext& ctx, int year) {
    const The_Class& db = ctx.db;
    if (!ValidYear(db, year)) return false;
    Record(ctx, year, history_kind::WinnersOfYear, history_kind::AllWinners,
           [&ctx, year] { ListWinners(ctx, year); });
    Start(ctx);
    const Langs& l = ctx.langs;
    const StandardWidths& w = ctx.grid.Widths;
    ctx.grid.SetTableColumns(
        {7, 25, w.ColWDate, w.ColWTrack, w.ColWName, w.ColWTeam, w.ColWTime, 0});
    ctx.grid.SetColumnTitles({"", l.Title(slot::Date), l.Title(slot::Track), l.Title(slot::Name),
                              l.Title(slot::Team), l.Title(slot::Time), ""});
    int n = 0;
    ForEachGPNewestFirst(
        db, year,
        [&](const TGPRow& g) {
            // Results are sorted by position: the first is the winner when it is classified
            // first.
            const int r = g.FirstResult;
            if (g.LastResult < g.FirstResult || r < 1 || r > MaxResults) return;
            const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
            if (rec.Pos != 1) return;
            ++n;
            AddRow(ctx.grid, ctx.grid.tablo1.RowCount(),
                   {std::to_string(n), db.FormatDate(g.Date), db.TrackNameView(g.Track),
                    db.ResultDriverNameView(r), db.ResultTeamNameView(r),
                    The_Class::FormatTime(rec.Time), std::to_string(r)});
        },
        [&] { AddBlankRow(ctx.grid); });
    const std::string& word = l.Text(slot::Winners);
    Finish(ctx, year == 0 ? word : std::to_string(year) + " - " + word, n);
    return true;
}

bool ListGPFacts(TableContext& ctx, int kind, int year) {
    const The_Class& db = ctx.db;
    if (!ValidYear(db, year) || (kind != GPFactFastestLaps && kind != GPFactPoles)) return false;
    const bool fastestLaps = kind == GPFactFastestLaps;
    Record(ctx, year, fastestLaps ? history_kind::FastestLapsOfYear : history_kind::PolesOfYear,
           fastestLaps ? history_kind::AllFastestLaps : history_kind::AllPoles,
           [&ctx, kind, year] { ListGPFacts(ctx, kind, year); });
    Start(ctx);
    const Langs& l = ctx.langs;
    const StandardWidths& w = ctx.grid.Widths;
    ctx.grid.SetTableColumns({9, 25, w.ColWDate, w.ColWTrack, w.ColWName, w.ColWTeam, w.ColWTime,
                              w.ColWPos, w.ColWNotes, 0});
    ctx.grid.SetColumnTitles({"", l.Title(slot::Date), l.Title(slot::Track), l.Title(slot::Name),
                              l.Title(slot::Team),
                              l.Title(fastestLaps ? slot::FLTime : slot::PoleTime),
                              l.Title(slot::Pos), l.Title(slot::Notes), ""});
    int n = 0;
    ForEachGPNewestFirst(
        db, year,
        [&](const TGPRow& g) {
            const std::uint16_t driver = fastestLaps ? g.FLDriver : g.PoleDriver;
            const std::uint32_t time = fastestLaps ? g.FLTime : g.PoleTime;
            if (driver == 0) return;
            // The driver's own entry in that race gives team, result and notes.
            int r = 0;
            for (int i = std::max<int>(g.FirstResult, 1); i <= g.LastResult && i <= MaxResults;
                 ++i) {
                if (db.Results[static_cast<std::size_t>(i)].Driver == driver) {
                    r = i;
                    break;
                }
            }
            if (r == 0) return;
            const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
            ++n;
            AddRow(ctx.grid, ctx.grid.tablo1.RowCount(),
                   {std::to_string(n), db.FormatDate(g.Date), db.TrackNameView(g.Track),
                    db.ResultDriverNameView(r), db.ResultTeamNameView(r),
                    The_Class::FormatTime(time), The_Class::NumText(rec.Pos),
                    db.ReasonTextView(rec.Reason), std::to_string(r)});
        },
        [&] { AddBlankRow(ctx.grid); });
    const std::string& word = l.Text(fastestLaps ? slot::FastestLaps : slot::PolePositions);
    Finish(ctx, (year == 0 ? std::string() : std::to_string(year) + " - ") + word, n);
    return true;
}

void Button2Click(TableContext& ctx) {
    if (const int year = SelectedYear(ctx)) ListWinners(ctx, year);
}
void SpeedButton10Click(TableContext& ctx) {
    ListWinners(ctx, 0);
}
void Button14Click(TableContext& ctx) {
    if (const int year = SelectedYear(ctx)) ListGPFacts(ctx, GPFactFastestLaps, year);
}
void SpeedButton7Click(TableContext& ctx) {
    ListGPFacts(ctx, GPFactFastestLaps, 0);
}
void Button15Click(TableContext& ctx) {
    if (const int year = SelectedYear(ctx)) ListGPFacts(ctx, GPFactPoles, year);
}
void SpeedButton9Click(TableContext& ctx) {
    ListGPFacts(ctx, GPFactPoles, 0);
}

const std::array<MenuTableCommand, 6> SeasonListCommands = {{
    {"button2", "Button2Click", 0, "W", "Winners of selected year", history_kind::WinnersOfYear,
     Button2Click},
    {"SpeedButton10", "SpeedButton10Click", 181, "", "", history_kind::AllWinners,
     SpeedButton10Click},
    {"button14", "Button14Click", 0, "FL", "Fastest Laps of selected year",
     history_kind::FastestLapsOfYear, Button14Click},
    {"SpeedButton7", "SpeedButton7Click", 182, "", "", history_kind::AllFastestLaps,
     SpeedButton7Click},
    {"BUTTON15", "Button15Click", 0, "P", "Pole Positions of selected year",
     history_kind::PolesOfYear, Button15Click},
    {"SpeedButton9", "SpeedButton9Click", 183, "", "", history_kind::AllPoles, SpeedButton9Click},
}};

} // namespace qor
