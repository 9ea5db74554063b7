#include "statistics/DriverComparison.h"

#include <algorithm>
#include <array>

namespace qor {
namespace {

// Horizontal layout: the columns before the drivers' groups, and each group's width.
constexpr int LeadingColumns = 3;
constexpr int GroupColumns = 4;
constexpr int VerticalColumns = 9;
constexpr std::size_t MaxHorizontalDrivers = 3;

struct KindWords {
    std::string_view prefix;
    std::string_view suffix;
};
constexpr std::array<KindWords, MaxCompareKind + 1> HeadingWords = {{
    {"", ""},
    {" (Win)", " (Race)"},
    {" (Race)", " (Win)"},
    {" (Podium)", " (Race)"},
    {" (Race)", " (Podium)"},
    {" (Race)", " (Race)"},
    {" (Race)", " (Race)"},
    {" (P)", " (Race)"},
    {" (Race)", " (P)"},
    {" (FL)", " (Race)"},
    {" (Race)", "( FL)"},
}};

bool OnPodium(const TResultRec& r) {
    return r.Pos >= 1 && r.Pos <= 3;
}

// The GP's valid result range.
struct ResultRange {
    int first;
    int last;
};
ResultRange ResultsOf(const TGPRow& gp) {
    return {std::max<int>(gp.FirstResult, 1), std::min<int>(gp.LastResult, MaxResults)};
}

// Fills the record slots of one GP for a kind; true when the GP is listed. `position` maps a
// driver index to his place among the compared drivers (-1 for others).
class GPMatcher {
  public:
    GPMatcher(const The_Class& db, const std::vector<std::uint16_t>& drivers)
        : db_(db), drivers_(drivers), position_(static_cast<std::size_t>(db.DriverCount) + 1, -1) {
        for (std::size_t i = 0; i < drivers.size(); ++i) {
            const std::uint16_t d = drivers[i];
            if (d >= 1 && d < position_.size() && position_[d] < 0)
                position_[d] = static_cast<int>(i);
        }
    }

    bool Match(int kind, const TGPRow& gp, std::vector<int>& slots) const {
        std::fill(slots.begin(), slots.end(), 0);
        const ResultRange range = ResultsOf(gp);
        if (kind == CompareRacesTogether) {
            return !drivers_.empty() && FillTaking(range, slots) == drivers_.size();
        }
        if (drivers_.size() != 2) return false;
        const std::size_t w = kind % 2 == 1 ? 0 : 1;
        const std::size_t o = 1 - w;
        switch ((kind + 1) / 2) {
        case 1: { // wins: the GP's first record is W's, classified
            if (range.first > range.last) return false;
            const TResultRec& first = Rec(range.first);
            if (first.Driver != drivers_[w] || first.Pos == 0) return false;
            slots[w] = range.first;
            slots[o] = FirstOf(range, drivers_[o], [](const TResultRec&) { return true; });
            return true;
        }
        case 2: { // podiums: W's first podium record, and O's when he was on it too
            slots[w] = FirstOf(range, drivers_[w], OnPodium);
            if (slots[w] == 0) return false;
            slots[o] = FirstOf(range, drivers_[o], OnPodium);
            return true;
        }
        case 4: // poles of W
            if (gp.PoleDriver != drivers_[w]) return false;
            break;
        case 5: // fastest laps of W
            if (gp.FLDriver != drivers_[w]) return false;
            break;
        default: // all races of either
            break;
        }
        return FillTaking(range, slots) >= 1;
    }

  private:
    const TResultRec& Rec(int r) const { return db_.Results[static_cast<std::size_t>(r)]; }

    // Each compared driver's first record in the GP fills his slot; the number of drivers
    // found (a driver with two records, as in a shared car, counts once).
    std::size_t FillTaking(const ResultRange& range, std::vector<int>& slots) const {
        std::size_t found = 0;
        for (int r = range.first; r <= range.last; ++r) {
            const std::uint16_t d = Rec(r).Driver;
            if (d >= position_.size()) continue;
            const int p = position_[d];
            if (p < 0 || slots[static_cast<std::size_t>(p)] != 0) continue;
            slots[static_cast<std::size_t>(p)] = r;
            ++found;
        }
        return found;
    }

    template <typename Test>
    int FirstOf(const ResultRange& range, std::uint16_t driver, Test test) const {
        for (int r = range.first; r <= range.last; ++r)
            if (Rec(r).Driver == driver && test(Rec(r))) return r;
        return 0;
    }

    const The_Class& db_;
    const std::vector<std::uint16_t>& drivers_;
    std::vector<int> position_;
};

void SetLayout(TableContext& ctx, std::size_t drivers, bool horizontal) {
    ResultGrid& grid = ctx.grid;
    const Langs& l = ctx.langs;
    const StandardWidths& w = grid.Widths;
    if (horizontal) {
        std::vector<int> widths = {LeadingColumns + GroupColumns * static_cast<int>(drivers), 25,
                                   w.ColWDate, w.ColWTrack};
        std::vector<std::string> titles = {"", l.Title(slot::Date), l.Title(slot::Track)};
        for (std::size_t i = 0; i < drivers; ++i) {
            widths.insert(widths.end(), {w.ColWName * 3 / 4, w.ColWTeam, w.ColWPos, 0});
            titles.insert(titles.end(),
                          {l.Title(slot::Name), l.Title(slot::Team), l.Title(slot::Pos), ""});
        }
        grid.SetTableColumns(widths);
        grid.SetColumnTitles(titles);
        grid.tablo1.Tag = GridTagHorizontalCompare;
    } else {
        grid.SetTableColumns({VerticalColumns, 25, w.ColWDate, w.ColWTrack, w.ColWName, w.ColWTeam,
                              w.ColWPos, w.ColWTime, w.ColWNotes, 0});
        grid.SetColumnTitles({"", l.Title(slot::Date), l.Title(slot::Track), l.Title(slot::Name),
                              l.Title(slot::Team), l.Title(slot::Pos), l.Title(slot::Time),
                              l.Title(slot::Notes), ""});
        grid.tablo1.Tag = GridTagVerticalCompare;
    }
    // Date and track repeat in every row of a race; they are drawn faded after its first.
    grid.CompareMarks[1] = 1;
    grid.CompareMarks[2] = 1;
}

void AddCells(ResultGrid& grid, std::initializer_list<std::string> cells) {
    for (const std::string& c : cells)
        grid.AddGridCell(c);
}

void NewRow(ResultGrid& grid) {
    const int row = grid.tablo1.RowCount();
    grid.tablo1.SetRowCount(row + 1);
    grid.StartGridRow(row);
}

} // namespace

bool AddToCompareList(TableContext& ctx, std::uint16_t driver) {
    std::vector<std::uint16_t>& list = ctx.browser.CompareList;
    if (list.size() >= MaxCompareDrivers) return false;
    if (driver == 0 || driver > ctx.db.DriverCount) return false;
    if (std::find(list.begin(), list.end(), driver) != list.end()) return false;
    list.push_back(driver);
    return true;
}

bool oCompareList1Click(TableContext& ctx) {
    const int r = ctx.grid.SelectedRecord;
    if (r < 1 || r > ctx.db.ResultCount) return false;
    return AddToCompareList(ctx, ctx.db.Results[static_cast<std::size_t>(r)].Driver);
}

void ComboBox6Click(TableContext& ctx, int item) {
    std::vector<std::uint16_t>& list = ctx.browser.CompareList;
    if (item < 1 || item > static_cast<int>(list.size())) return;
    list.erase(list.begin() + (item - 1));
}

std::vector<std::string> CompareBoxItems(const TableContext& ctx) {
    std::vector<std::string> items = {ctx.langs.Text(slot::CompareListTitle)};
    for (const std::uint16_t d : ctx.browser.CompareList)
        items.push_back(ctx.db.DriverName(d));
    return items;
}

bool ComparePanelVisible(const TableContext& ctx) {
    return !ctx.browser.CompareList.empty();
}

void Highlight1Click(TableContext& ctx) {
    const std::string name = ctx.db.ResultDriverName(ctx.grid.SelectedRecord);
    if (ctx.grid.HighlightName != name)
        ctx.grid.HighlightName = name;
    else
        ctx.grid.HighlightName.clear();
}

void Horizontaluntil3driver2Click(TableContext& ctx) {
    ctx.db.CompareView = 0;
}

void Vertical2Click(TableContext& ctx) {
    ctx.db.CompareView = 1;
}

std::string AbbreviatedName(std::string_view name) {
    std::string prefix;
    std::string rest(name);
    for (std::size_t blank = rest.find(' '); blank != std::string::npos && blank + 1 > 3;
         blank = rest.find(' ')) {
        prefix += rest.front();
        prefix += ". ";
        rest.erase(0, blank + 1);
    }
    return prefix + rest;
}

std::string CompareHeading(const TableContext& ctx, int kind, std::uint16_t a, std::uint16_t b) {
    if (a == 0 || kind < 0 || kind > MaxCompareKind) return ctx.langs.Text(slot::ComparingDrivers);
    const KindWords& words = HeadingWords[static_cast<std::size_t>(kind)];
    return std::string(words.prefix) + " " + ctx.db.DriverName(a) + " -- " + ctx.db.DriverName(b) +
           std::string(words.suffix);
}

void CompareDrivers(TableContext& ctx, int kind, int season, std::uint16_t a, std::uint16_t b) {
    const The_Class& db = ctx.db;
    ResultGrid& grid = ctx.grid;
    ctx.browser.Info.Visible = false;
    grid.tablo1.Visible = false;

    const std::string heading = CompareHeading(ctx, kind, a, b);
    grid.tablo1.TitleLabel = heading;
    ctx.history.SetHistoryCaption(heading);

    // A pair given replaces the compare list for this table only.
    const std::vector<std::uint16_t> drivers =
        a != 0 ? std::vector<std::uint16_t>{a, b} : ctx.browser.CompareList;
    const std::size_t k = drivers.size();
    const bool horizontal = db.CompareView == 0 && k <= MaxHorizontalDrivers;
    SetLayout(ctx, k, horizontal);
    grid.CompareGroupSize = static_cast<std::uint16_t>(k);

    const bool valid =
        kind >= 0 && kind <= MaxCompareKind && (season == 0 || db.IsYearLoaded(season));
    const int from = season == 0 ? FirstYear : season;
    const int to = season == 0 ? db.LastYear : season;
    const GPMatcher matcher(db, drivers);
    std::vector<int> slots(k, 0);
    int n = 0;
    for (int y = from; valid && y <= to; ++y) {
        const TSeasonRow& s = db.Seasons[y];
        for (int g = std::min<int>({s.LastGP, db.GPCount, MaxGPs}); g >= s.FirstGP && g >= 1; --g) {
            const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
            if (!matcher.Match(kind, gp, slots)) continue;
            ++n;
            const std::string number = std::to_string(n);
            const std::string date = db.FormatDate(gp.Date);
            const std::string track = db.TrackNameOf(gp.Track);
            if (horizontal) {
                NewRow(grid);
                AddCells(grid, {number, date, track});
                for (const int r : slots) {
                    if (r == 0) {
                        AddCells(grid, {"", "", "", ""});
                        continue;
                    }
                    const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
                    AddCells(grid,
                             {AbbreviatedName(db.DriverName(rec.Driver)), db.ResultTeamName(r),
                              The_Class::NumText(rec.Pos), std::to_string(r)});
                }
                continue;
            }
            for (const int r : slots) {
                NewRow(grid);
                if (r == 0) {
                    for (int c = 0; c < VerticalColumns; ++c)
                        grid.AddGridCell(std::string());
                    continue;
                }
                const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
                AddCells(grid, {number, date, track, db.ResultDriverName(r), db.ResultTeamName(r),
                                The_Class::NumText(rec.Pos), The_Class::FormatTime(rec.Time),
                                db.ReasonText(rec.Reason), std::to_string(r)});
            }
        }
    }
    grid.tablo1kayitsayisi(static_cast<std::uint16_t>(std::min(n, 65535)));
    grid.tablo1.Visible = true;
}

void CompareListTable(TableContext& ctx, int season) {
    ctx.history.menuekle(ctx.grid.SelectedRecord, 0, history_kind::CompareRaces,
                         [&ctx, season] { CompareListTable(ctx, season); });
    CompareDrivers(ctx, CompareRacesTogether, season);
}

void SpeedButton5Click(TableContext& ctx) {
    CompareListTable(ctx, 0);
}

void ComparePairTable(TableContext& ctx, int kind, int season, std::uint16_t a, std::uint16_t b) {
    ctx.history.menuekle(ctx.grid.SelectedRecord, 0, history_kind::ComparePair,
                         [&ctx, kind, season, a, b] { ComparePairTable(ctx, kind, season, a, b); });
    CompareDrivers(ctx, kind, season, a, b);
}

} // namespace qor
