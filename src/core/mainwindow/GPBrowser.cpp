#include "mainwindow/GPBrowser.h"

#include "text/Encoding.h"

#include <algorithm>

namespace qor {
namespace {

// The first season shown with a grid-position column, the first whose table may be written
// as an HTML page, and the first whose GPs can be shared.
constexpr int FirstGridYear = 2002;
constexpr int FirstHtmlYear = 1980;
constexpr int FirstShareYear = 2006;

bool ValidGP(const The_Class& db, int g) {
    return g >= 1 && g <= db.GPCount && g <= MaxGPs;
}

int YearOfListText(const The_Class& db, const std::string& text) {
    const long y = ParseDecimal(text, 0);
    return db.IsYearLoaded(static_cast<int>(y)) ? static_cast<int>(y) : 0;
}

} // namespace

std::string GPListLabel(const The_Class& db, int g, std::uint8_t mode) {
    if (!ValidGP(db, g)) return std::string();
    const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
    std::string label;
    if (mode == GPListByName) {
        label = db.GPNameOf(gp.GPName);
    } else if (mode == GPListByDate) {
        // "02 June 2006" without its blank and year.
        label = db.FormatDateAlt(gp.Date);
        label.resize(label.size() > 5 ? label.size() - 5 : 0);
    } else {
        label = db.TrackNameOf(gp.Track);
    }
    if (label.size() > GPListLabelLength) label.resize(GPListLabelLength);
    return label;
}

void FillGPInfoPanel(const The_Class& db, int g, GPInfoPanel& panel) {
    if (!ValidGP(db, g)) {
        panel.Visible = false;
        return;
    }
    const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
    panel.Visible = true;
    // Assigned from views, so that the labels keep their buffers from one GP to the next.
    panel.FastestLap.assign(db.DriverNameView(gp.FLDriver));
    panel.FastestLapTime.assign(The_Class::FormatTimeText(gp.FLTime).view());
    panel.PolePosition.assign(db.DriverNameView(gp.PoleDriver));
    panel.PolePositionTime.assign(The_Class::FormatTimeText(gp.PoleTime).view());
    panel.Weather = db.RemarkText(gp.Remark);
    panel.WeatherCaptionVisible = panel.Weather != Unknown;
    if (!panel.WeatherCaptionVisible) panel.Weather.clear();
    panel.Laps.assign(The_Class::NumberText(gp.Laps).view());
}

void FillYearLists(TableContext& ctx) {
    BrowserState& b = ctx.browser;
    ctx.db.FillYears(b.Years);
    ctx.db.FillYears(b.DriverStandingYears);
    ctx.db.FillTeamYears(b.TeamStandingYears);
    b.YearIndex = -1;
    b.DriverStandingYearIndex = -1;
    b.TeamStandingYearIndex = -1;
}

int SelectedYear(const TableContext& ctx) {
    const BrowserState& b = ctx.browser;
    if (b.YearIndex < 0 || b.YearIndex >= static_cast<int>(b.Years.size())) return 0;
    return YearOfListText(ctx.db, b.Years[static_cast<std::size_t>(b.YearIndex)]);
}

int YearBoxIndex(const TableContext& ctx, int year) {
    const std::string text = std::to_string(year);
    const auto& years = ctx.browser.Years;
    for (std::size_t i = 0; i < years.size(); ++i)
        if (years[i] == text) return static_cast<int>(i);
    return -1;
}

void ComboBox1Change(TableContext& ctx) {
    BrowserState& b = ctx.browser;
    b.Status.clear();
    b.GPList.clear();
    b.GPIndex = -1;
    const int year = SelectedYear(ctx);
    if (year == 0) return;
    const TSeasonRow& s = ctx.db.Seasons[year];
    for (int g = s.FirstGP; g <= s.LastGP; ++g)
        b.GPList.push_back(GPListLabel(ctx.db, g, b.GPListMode));
}

void SetGPListMode(TableContext& ctx, int m) {
    if (m < 0 || m > 2) return;
    ctx.browser.GPListFont = m == 2 ? "courier" : "tahoma";
    ctx.browser.GPListMode = static_cast<std::uint8_t>(m + 1);
    ComboBox1Change(ctx);
}

void FillGPResultsTable(ResultGrid& grid, const The_Class& db, int g) {
    const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
    const int year = The_Class::YearOfDate(gp.Date);
    const StandardWidths& w = grid.Widths;
    const Langs& l = grid.Texts();
    const bool withGrid = year >= FirstGridYear;
    if (withGrid) {
        grid.SetTableColumns(
            {8, 25, w.ColWName, w.ColWTeam, w.ColWPos, w.ColWTime, w.ColWGrid, w.ColWNotes, 0});
        grid.SetColumnTitles({"", l.Title(slot::Name), l.Title(slot::Team), l.Title(slot::Pos),
                              l.Title(slot::Time), l.Title(slot::Grid), l.Title(slot::Notes), ""});
    } else {
        grid.SetTableColumns(
            {7, 25, w.ColWName, w.ColWTeam, w.ColWPos, w.ColWTime, w.ColWNotes, 0});
        grid.SetColumnTitles({"", l.Title(slot::Name), l.Title(slot::Team), l.Title(slot::Pos),
                              l.Title(slot::Time), l.Title(slot::Notes), ""});
    }
    if (year < FirstHtmlYear) grid.HtmlButtonVisible = false;
    std::string& title = grid.tablo1.TitleLabel;
    title.assign(db.GPNameOf(gp.GPName));
    title.append("       ");
    title.append(db.TrackNameView(gp.Track));
    title.append("     ");
    title.append(db.FormatDateAltText(gp.Date).view());
    // The grid grows once; the cells are written from the tables without strings of their own.
    const int last = std::min<int>(gp.LastResult, MaxResults);
    grid.tablo1.SetRowCount(std::max(last - gp.FirstResult + 1, 0) + 1);
    int n = 0;
    for (int r = gp.FirstResult; r <= last; ++r) {
        const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
        ++n;
        grid.StartGridRow(n);
        grid.AddGridNumber(static_cast<unsigned>(n));
        grid.AddGridText(db.ResultDriverNameView(r));
        grid.AddGridText(db.ResultTeamNameView(r));
        if (rec.Pos)
            grid.AddGridNumber(rec.Pos);
        else
            grid.AddGridText(std::string_view());
        grid.AddGridText(The_Class::FormatTimeText(rec.Time).view());
        if (withGrid) grid.AddGridNumber(rec.Grid);
        grid.AddGridText(db.ReasonTextView(rec.Reason));
        grid.AddGridNumber(static_cast<unsigned>(r));
    }
    grid.tablo1kayitsayisi(static_cast<std::uint16_t>(grid.tablo1.RowCount() - 1));
}

void gpListBox1Click(TableContext& ctx) {
    BrowserState& b = ctx.browser;
    const int year = SelectedYear(ctx);
    if (year == 0 || b.GPIndex < 0 || b.GPIndex >= static_cast<int>(b.GPList.size())) return;
    const int yearIndex = b.YearIndex;
    const int gpIndex = b.GPIndex;
    const The_Class& db = ctx.db;
    const int g = db.Seasons[year].FirstGP + gpIndex;
    if (!ValidGP(db, g)) return;
    ctx.history.menuekle(static_cast<std::uint16_t>(yearIndex), static_cast<std::uint16_t>(gpIndex),
                         history_kind::GPResults, [&ctx, yearIndex, gpIndex] {
                             ctx.browser.YearIndex = yearIndex;
                             ComboBox1Change(ctx);
                             ctx.browser.GPIndex = gpIndex;
                             gpListBox1Click(ctx);
                         });
    b.Status.clear();

    const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
    ResultGrid& grid = ctx.grid;
    FillGPInfoPanel(db, g, b.Info);
    FillGPResultsTable(grid, db, g);
    ctx.history.SetHistoryCaption(grid.tablo1.TitleLabel);
    grid.tablo1.Visible = true;

    if (year >= FirstShareYear) {
        b.ShareTag = gp.Date;
        b.ShareCaption.assign("Share GP ");
        b.ShareCaption.append(db.FormatDateAltText(gp.Date).view());
        grid.ShareItemEnabled = true;
    }
}

bool ShowLastSeason(TableContext& ctx) {
    BrowserState& b = ctx.browser;
    if (b.Years.empty()) return false;
    const The_Class& db = ctx.db;
    int index = -1;
    if (db.GPCount >= 1 && db.GPCount <= MaxGPs)
        index = YearBoxIndex(ctx, The_Class::YearOfDate(db.GPs[db.GPCount].Date));
    b.YearIndex = index < 0 ? 0 : index;
    ComboBox1Change(ctx);
    if (b.GPList.empty()) return false;
    b.GPIndex = static_cast<int>(b.GPList.size()) - 1;
    gpListBox1Click(ctx);
    return true;
}

bool ShowGPByDate(TableContext& ctx, std::uint16_t date) {
    const int year = The_Class::YearOfDate(date);
    const int index = YearBoxIndex(ctx, year);
    if (index < 0 || !ctx.db.IsYearLoaded(year)) return false;
    BrowserState& b = ctx.browser;
    b.YearIndex = index;
    ComboBox1Change(ctx);
    const TSeasonRow& s = ctx.db.Seasons[year];
    for (int g = s.FirstGP; g <= s.LastGP && g <= MaxGPs; ++g) {
        if (ctx.db.GPs[static_cast<std::size_t>(g)].Date != date) continue;
        b.GPIndex = g - s.FirstGP;
        gpListBox1Click(ctx);
        return true;
    }
    return false;
}

} // namespace qor
