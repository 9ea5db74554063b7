#include "statistics/DriverFrameCommands.h"

#include "database/NameSuggestions.h"
#include "mainwindow/GPBrowser.h"
#include "mainwindow/GridInteraction.h"
#include "statistics/ChampionshipTables.h"
#include "statistics/DriverCareerLists.h"
#include "text/Encoding.h"

#include <array>

namespace qor {
namespace {

// A count label's two commands (whole career, one season) and what they share.
struct LabelCommandRow {
    std::string_view Label;
    FrameCommandTarget Target;
    std::string_view CareerItem;
    std::uint16_t CareerKind;
    std::string_view SeasonItem;
    std::uint16_t SeasonKind;
    int RecordKind;
    ResultStatus Filter;
    // The label's text in the frame.
    const std::string DriverFrame::*Text;
};

// History kinds of the driver popup's record list items.
constexpr std::uint16_t KindRaces7 = 23, KindWins7 = 24, KindPodiums1 = 47, KindFL4 = 25,
                        KindPoles7 = 26;
constexpr std::uint16_t KindRaces2 = 15, KindWins2 = 16, KindPodiums3 = 49, KindFL2 = 17,
                        KindPoles2 = 18;
constexpr std::uint16_t KindRaces3 = 19;

using T = FrameCommandTarget;
const std::array<LabelCommandRow, 13> LabelRows = {{
    {"allraceslabel", T::RecordMenuItem, "Races7", KindRaces7, "races2", KindRaces2,
     frame_list::Races, ResultStatus::Other, &DriverFrame::allraceslabel},
    {"raceslabel", T::StartsList, "StartsList", history_kind::DriverStarts, "StartsList",
     history_kind::DriverStarts, 0, ResultStatus::Other, &DriverFrame::raceslabel},
    {"winslabel", T::RecordMenuItem, "Wins7", KindWins7, "wins2", KindWins2, frame_list::Wins,
     ResultStatus::Other, &DriverFrame::winslabel},
    {"podiumslabel", T::RecordMenuItem, "Podiums1", KindPodiums1, "Podiums3", KindPodiums3,
     frame_list::Podiums, ResultStatus::Other, &DriverFrame::podiumslabel},
    {"fastestlapslabel", T::RecordMenuItem, "FL4", KindFL4, "FL2", KindFL2, frame_list::FastestLaps,
     ResultStatus::Other, &DriverFrame::fastestlapslabel},
    {"poleslabel", T::RecordMenuItem, "Poles7", KindPoles7, "poles2", KindPoles2, frame_list::Poles,
     ResultStatus::Other, &DriverFrame::poleslabel},
    {"retirementslabel", T::AllRetire, "AllRetire", history_kind::DriverRetirements, "AllRetire",
     history_kind::DriverRetirements, 0, ResultStatus::Other, &DriverFrame::retirementslabel},
    {"DNQLABEL", T::AllRetire, "AllRetire", history_kind::DriverDNQ, "AllRetire",
     history_kind::DriverDNQ, 0, ResultStatus::DNQ, &DriverFrame::DNQLABEL},
    {"DNPQLABEL", T::AllRetire, "AllRetire", history_kind::DriverDNPQ, "AllRetire",
     history_kind::DriverDNPQ, 0, ResultStatus::DNPQ, &DriverFrame::DNPQLABEL},
    {"DNSLABEL", T::AllRetire, "AllRetire", history_kind::DriverDNS, "AllRetire",
     history_kind::DriverDNS, 0, ResultStatus::DNS, &DriverFrame::DNSLABEL},
    {"disqlabel", T::AllRetire, "AllRetire", history_kind::DriverDisq, "AllRetire",
     history_kind::DriverDisq, 0, ResultStatus::Disq, &DriverFrame::disqlabel},
    {"totalpointlabel", T::PointsByYear, "pointsbyyear", history_kind::PointsByYear, "pointsbyyear",
     history_kind::PointsByYear, 0, ResultStatus::Other, &DriverFrame::totalpointlabel},
    {"Label25", T::Championship, "Championship1", history_kind::Championships, "Championship1",
     history_kind::Championships, 0, ResultStatus::Other, &DriverFrame::Label25},
}};

const std::array<std::string_view, LabelRows.size()> LabelNames = [] {
    std::array<std::string_view, LabelRows.size()> names{};
    for (std::size_t i = 0; i < LabelRows.size(); ++i)
        names[i] = LabelRows[i].Label;
    return names;
}();

// The record the list commands hand over: first_kayit_no, or (when the driver started nowhere
// in the range and it is 0) his first entry's record, which still names him and the season.
std::uint16_t FrameRecord(const DriverFrame& frame) {
    const long key = ParseDecimal(frame.first_kayit_no, 0);
    if (key > 0 && key <= 65535) return static_cast<std::uint16_t>(key);
    return frame.Figures.FirstEntryRecord;
}

} // namespace

std::span<const std::string_view> FrameCommandLabels() {
    return LabelNames;
}

std::optional<FrameCommand> LabelCommand(const The_Class& db, const DriverFrame& frame,
                                         std::string_view label) {
    for (const LabelCommandRow& row : LabelRows) {
        if (row.Label != label) continue;
        FrameCommand c;
        c.Label = row.Label;
        c.Target = row.Target;
        c.Season = frame.SelectedSeason >= 1;
        c.Item = c.Season ? row.SeasonItem : row.CareerItem;
        c.HistoryKind = c.Season ? row.SeasonKind : row.CareerKind;
        c.RecordKind = row.RecordKind;
        c.Filter = row.Filter;
        // The championship line is a command even when it is empty.
        c.Ignored = row.Target != T::Championship && frame.*row.Text == "0";
        if (row.Target == T::PointsByYear || row.Target == T::Championship)
            c.SelectedRecord = db.FindDriver(frame.namelabel);
        else
            c.SelectedRecord = FrameRecord(frame);
        return c;
    }
    return std::nullopt;
}

FrameCommand TeamRecordsCommand(const TeamRecordsItem& item) {
    FrameCommand c;
    c.Label = "PopupRACES_FOR";
    c.Target = T::RecordMenuItem;
    c.Item = "races3";
    c.RecordKind = frame_list::Races;
    c.SelectedRecord = item.Tag;
    c.HistoryKind = KindRaces3;
    return c;
}

FrameCommandRun RunFrameCommand(TableContext& ctx, const FrameCommand& command) {
    if (command.Ignored) return FrameCommandRun::Ignored;
    ctx.grid.SelectedRecord = command.SelectedRecord;
    switch (command.Target) {
    case T::RecordMenuItem:
        return FrameCommandRun::RunMenuItem;
    case T::StartsList:
        StartsList(ctx, command.Season);
        break;
    case T::AllRetire:
        AllRetire(ctx, command.Filter, command.Season);
        break;
    case T::PointsByYear:
        pointsbyyearClick(ctx);
        break;
    case T::Championship:
        Championship1Click(ctx);
        break;
    }
    return FrameCommandRun::Done;
}

std::string HintStatus(std::string_view hint) {
    return "---->   " + std::string(hint) + "   <----";
}

std::optional<DateLabelTarget> DateLabelGP(const The_Class& db, std::string_view caption) {
    if (caption.size() < 4) return std::nullopt;
    const std::string_view yy = caption.substr(caption.size() - 2);
    if (yy[0] < '0' || yy[0] > '9' || yy[1] < '0' || yy[1] > '9') return std::nullopt;
    const int two = (yy[0] - '0') * 10 + (yy[1] - '0');
    const int year = two < 40 ? 2000 + two : 1900 + two;
    if (!db.IsYearLoaded(year)) return std::nullopt;
    const std::uint8_t track =
        static_cast<std::uint8_t>(db.FindTrack(caption.substr(0, caption.size() - 3)));
    if (track == 0) return std::nullopt;
    const TSeasonRow& s = db.Seasons[year];
    for (int g = std::min<int>(s.LastGP, std::min<int>(db.GPCount, MaxGPs));
         g >= s.FirstGP && g >= 1; --g) {
        if (db.GPs[static_cast<std::size_t>(g)].Track == track)
            return DateLabelTarget{year, static_cast<std::uint16_t>(g), g - s.FirstGP};
    }
    return std::nullopt;
}

bool ShowGPWithDriver(TableContext& ctx, std::uint16_t g, const std::string& driverName,
                      int visibleRows) {
    if (g < 1 || g > ctx.db.GPCount || g > MaxGPs) return false;
    if (!ShowGPByDate(ctx, ctx.db.GPs[g].Date)) return false;
    SelectRowWithName(ctx.grid.tablo1, ctx.grid.Roles(), driverName, visibleRows);
    return true;
}

bool DateLabelClick(TableContext& ctx, const DriverFrame& frame, std::string_view caption,
                    int visibleRows) {
    const std::optional<DateLabelTarget> target = DateLabelGP(ctx.db, caption);
    if (!target) return false;
    return ShowGPWithDriver(ctx, target->GP, frame.namelabel, visibleRows);
}

std::uint16_t DriverBoxDriver(TableContext& ctx) {
    const std::string_view name = TrimBlanks(ctx.browser.DriverBox);
    if (name.empty()) return 0;
    const std::uint16_t d = ctx.db.FindDriverCI(name);
    if (d != 0)
        ctx.browser.DriverBox = ctx.db.DriverName(d);
    else
        ctx.browser.Status = "  " + NotFoundMessage(ctx.db, NameKind::Driver, std::string(name));
    return d;
}

void ShowWholeCareer(const The_Class& db, DriverFrame& frame, const FlagImages* flags) {
    if (frame.Lseason.empty()) return;
    AnalyzeDriver(db, frame.Driver, 0, 0, false, frame, flags);
}

void ChartSeasonClick(const The_Class& db, DriverFrame& frame, int year, const FlagImages* flags) {
    if (year == frame.SelectedSeason || !db.IsYearLoaded(year)) {
        AnalyzeDriver(db, frame.Driver, 0, 0, false, frame, flags);
        return;
    }
    AnalyzeDriver(db, frame.Driver, year, year, false, frame, flags);
    frame.SelectedSeason = year;
    frame.Lseason = "Statistics for " + std::to_string(year);
}

} // namespace qor
