#include "editing/EditCommands.h"

#include "mainwindow/DriverCombo.h"
#include "mainwindow/GPBrowser.h"
#include "text/Encoding.h"

namespace qor {
namespace {

// The record of tablo1's selected row (its hidden key column), 0 without a row.
std::uint16_t SelectedRowRecord(const MainSession& s) {
    const GridTable& t = s.ctx.grid.tablo1;
    if (t.Row < 1 || t.Row >= t.RowCount() || t.ColCount() < 2) return 0;
    const long key = ParseDecimal(TrimBlanks(t.Cell(t.ColCount() - 1, t.Row)), 0);
    return key >= 1 && key <= s.db.ResultCount ? static_cast<std::uint16_t>(key) : 0;
}

void RefillDriverBox(MainSession& s) {
    FillDriverCombo(s.db, 2000, s.DriverBoxItems);
}

// The year of the last four characters of a date text.
int YearOfDateText(const std::string& text) {
    return text.size() >= 4 ? static_cast<int>(ParseDecimal(text.substr(text.size() - 4), 0)) : 0;
}

} // namespace

GPViewCheck CheckGPView(const MainSession& s) {
    const NavigationHistory& h = s.ctx.history;
    const bool gpShown =
        h.HistIndex() >= 1 && h.Entry(h.HistIndex()).Kind == history_kind::GPResults;
    if (!gpShown) return {s.langs.MsgFirstSelectRace};
    if (s.ctx.browser.YearIndex != 0) return {s.langs.MsgOnlyLastSeason};
    const int year = s.db.LastYear;
    const int position = s.ctx.browser.GPIndex;
    if (!s.db.IsYearLoaded(year) || position < 0) return {s.langs.MsgNoGPInYear};
    const TSeasonRow& season = s.db.Seasons[year];
    const int g = season.FirstGP + position;
    if (g > season.LastGP) return {s.langs.MsgNoGPInYear};
    return {{}, static_cast<std::uint16_t>(g)};
}

EditStep NewGP1Click(MainSession& s, GPDialog& dialog) {
    RefillDriverBox(s);
    dialog.PrepareNew(s.db, s.DriverBoxItems);
    return {true, {}};
}

EditStep UpdateGP1Click(MainSession& s, GPDialog& dialog) {
    const GPViewCheck view = CheckGPView(s);
    if (!view.Ok()) return {false, view.Message};
    RefillDriverBox(s);
    dialog.PrepareUpdate(s.db, view.GP, s.DriverBoxItems);
    return {true, {}};
}

EditStep NewRecord1Click(MainSession& s, RecordDialog& dialog) {
    const GPViewCheck view = CheckGPView(s);
    if (!view.Ok()) return {false, view.Message};
    RefillDriverBox(s);
    dialog.PrepareNew(s.db, view.GP, s.ctx.grid.tablo1.TitleLabel, s.DriverBoxItems);
    dialog.Caption = s.langs.MsgInsertRecord;
    return {true, {}};
}

EditStep UpdateRecord1Click(MainSession& s, RecordDialog& dialog) {
    const GPViewCheck view = CheckGPView(s);
    if (!view.Ok()) return {false, view.Message};
    if (s.ctx.grid.tablo1.RowCount() < 2) return {false, s.langs.MsgSelectRecordToUpdate};
    const std::uint16_t record = SelectedRowRecord(s);
    if (record == 0) return {};
    RefillDriverBox(s);
    dialog.PrepareUpdate(s.db, record, s.ctx.grid.tablo1.TitleLabel, s.DriverBoxItems);
    dialog.Caption = s.langs.MsgUpdateRecord;
    return {true, {}};
}

EditStep DeleteRecord1Click(MainSession& s) {
    const GPViewCheck view = CheckGPView(s);
    if (!view.Ok()) return {false, view.Message};
    if (s.ctx.grid.tablo1.RowCount() < 2) return {false, s.langs.MsgSelectRecordToDelete};
    const std::uint16_t record = SelectedRowRecord(s);
    if (record == 0 || s.db.GPOfResult(record) == 0) return {};
    return {true, "(" + s.db.ResultDriverName(record) + " - " + s.db.ResultTeamName(record) + ") " +
                      s.langs.MsgConfirmDeleteRecord};
}

std::string DeleteSelectedRecord(MainSession& s) {
    const std::uint16_t record = SelectedRowRecord(s);
    const int g = record ? s.db.GPOfResult(record) : 0;
    if (g == 0) return {};
    const std::string date = s.db.FormatDate(s.db.GPs[static_cast<std::size_t>(g)].Date);
    // The row within the GP: its results are listed in stored order.
    const int row = record - s.db.GPs[static_cast<std::size_t>(g)].FirstResult + 1;
    if (s.db.DeleteResult(date, row) == 0) return {};
    s.db.RecalcStandings(YearOfDateText(date));
    s.SaveChangesEnabled = true;
    s.ctx.history.domenuevent();
    return {};
}

EditStep DeleteGP1Click(MainSession& s) {
    const GPViewCheck view = CheckGPView(s);
    if (!view.Ok()) return {false, view.Message};
    return {true, s.db.FormatDate(s.db.GPs[view.GP].Date) + " " + s.langs.MsgConfirmDeleteRace};
}

std::string DeleteShownGP(MainSession& s) {
    const GPViewCheck view = CheckGPView(s);
    if (!view.Ok()) return view.Message;
    const std::string date = s.db.FormatDate(s.db.GPs[view.GP].Date);
    const int year = The_Class::YearOfDate(s.db.GPs[view.GP].Date);
    if (s.db.DeleteGP(date) == 0) return s.langs.MsgNoGPDeleted;
    s.db.RecalcStandings(year);
    s.SaveChangesEnabled = true;
    ShowLastSeason(s.ctx);
    return {};
}

DialogSaveResult SaveGPDialog(MainSession& s, const GPDialog& dialog) {
    DialogSaveResult r = dialog.Save(s.db);
    if (!r.Saved()) return r;
    s.SaveChangesEnabled = true;
    const int yearIndex = s.ctx.browser.YearIndex;
    FillYearLists(s.ctx);
    s.ctx.browser.YearIndex = yearIndex;
    if (dialog.NewMode)
        ShowGPByDate(s.ctx, s.db.GPs[r.GP].Date);
    else
        s.ctx.history.domenuevent();
    return r;
}

DialogSaveResult SaveRecordDialog(MainSession& s, const RecordDialog& dialog) {
    DialogSaveResult r = dialog.Save(s.db);
    if (!r.Saved()) return r;
    s.SaveChangesEnabled = true;
    s.ctx.history.domenuevent();
    return r;
}

std::string Savechanges1Click(MainSession& s) {
    if (s.db.SaveDatabase() == 0) return s.langs.MsgWriteError;
    s.SaveChangesEnabled = false;
    return {};
}

} // namespace qor
