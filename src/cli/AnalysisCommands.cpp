// The driver analysis on the command line: `analyze` prints every figure and label of the
// driver statistics frame, and the tables `starts` and `retirements` list what its count
// labels open.

#include "CliContext.h"
#include "TableCommand.h"

#include "database/Flags.h"
#include "database/NameSuggestions.h"
#include "settings/DataFolder.h"
#include "statistics/DriverAnalysis.h"
#include "statistics/DriverCareerLists.h"
#include "text/Encoding.h"

#include <algorithm>
#include <iomanip>
#include <ostream>
#include <sstream>

namespace qor::cli {
namespace {

// Captions of the frame's labels (string-table slots).
constexpr int CaptionHistory = 1, CaptionStatistics = 2, CaptionNationality = 3, CaptionFirstGP = 4,
              CaptionLastGP = 5, CaptionFirstWin = 6, CaptionLastWin = 7, CaptionFirstPole = 8,
              CaptionLastPole = 9, CaptionStarts = 10, CaptionAllGPs = 11, CaptionDns = 12,
              CaptionDnpq = 13, CaptionDnq = 14, CaptionDisq = 15, CaptionWins = 16,
              CaptionPodiums = 17, CaptionFastestLaps = 18, CaptionPoles = 19,
              CaptionRetirements = 20, CaptionTotalPoint = 21;

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i)
        text += (i ? " " : "") + words[i];
    return text;
}

// A driver by name (Windows-1254): exactly, else ignoring ASCII case; 0 when unknown.
std::uint16_t DriverNamed(const The_Class& db, const std::string& name) {
    const std::string_view trimmed = TrimBlanks(name);
    if (trimmed.empty()) return 0;
    const std::uint16_t d = db.FindDriver(trimmed);
    return d != 0 ? d : db.FindDriverCI(trimmed);
}

std::string NoDriver(const The_Class& db, const std::string& name) {
    return WithSuggestions("No driver named " + name, db, NameKind::Driver, name);
}

std::string NoSeason(const std::string& text) {
    return "No season " + Utf8ToCp1254(text) + " in the database";
}

// The year of a --season value, or 0 when it is no season of the database.
int SeasonOf(const The_Class& db, const std::string& text) {
    const long y = ParseDecimal(text, 0);
    return db.IsYearLoaded(static_cast<int>(y)) ? static_cast<int>(y) : 0;
}

// The driver's first result record of a season (year 0: of his career), 0 when none.
std::uint16_t FirstRecordOf(const The_Class& db, std::uint16_t driver, int year) {
    if (db.LastYear < FirstYear) return 0;
    const int from = year ? db.Seasons[year].FirstGP : db.Seasons[FirstYear].FirstGP;
    const int to = std::min<int>(year ? db.Seasons[year].LastGP : db.Seasons[db.LastYear].LastGP,
                                 std::min<int>(db.GPCount, MaxGPs));
    for (int g = std::max(from, 1); g <= to; ++g) {
        const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
        for (int r = std::max<int>(gp.FirstResult, 1);
             r <= gp.LastResult && r <= db.ResultCount && r <= MaxResults; ++r)
            if (db.Results[static_cast<std::size_t>(r)].Driver == driver)
                return static_cast<std::uint16_t>(r);
    }
    return 0;
}

// starts NAME [--season Y] / retirements NAME [FILTER] [--season Y]
std::string FillDriverList(TableContext& ctx, const TableRequest& request, bool retirements) {
    std::vector<std::string> words = request.args;
    ResultStatus filter = ResultStatus::Other;
    if (retirements && words.size() > 1) {
        const std::string last = AsciiLowerCase(words.back());
        for (ResultStatus s :
             {ResultStatus::DNS, ResultStatus::DNQ, ResultStatus::DNPQ, ResultStatus::Disq}) {
            if (last == AsciiLowerCase(StatusMark(s))) {
                filter = s;
                words.pop_back();
                break;
            }
        }
    }
    if (words.empty())
        return retirements ? "usage: qor-cli table retirements NAME [DNS|DNQ|DNPQ|Disq] "
                             "[--season YEAR]"
                           : "usage: qor-cli table starts NAME [--season YEAR]";
    const std::string name = Utf8ToCp1254(Joined(words));
    const std::uint16_t driver = DriverNamed(ctx.db, name);
    if (driver == 0) return NoDriver(ctx.db, name);
    int year = 0;
    if (const auto it = request.options.find("season"); it != request.options.end()) {
        year = SeasonOf(ctx.db, it->second);
        if (year == 0) return NoSeason(it->second);
    }
    const std::uint16_t record = FirstRecordOf(ctx.db, driver, year);
    if (record == 0)
        return ctx.db.DriverName(driver) + " has no entry" +
               (year ? " in " + std::to_string(year) : std::string());
    ctx.grid.SelectedRecord = record;
    if (retirements)
        AllRetire(ctx, filter, year != 0);
    else
        StartsList(ctx, year != 0);
    return {};
}

TableRegistrar registrar({
    {"starts", "starts NAME [--season YEAR]",
     [](TableContext& c, const TableRequest& r) { return FillDriverList(c, r, false); }},
    {"retirements", "retirements NAME [DNS|DNQ|DNPQ|Disq] [--season YEAR]",
     [](TableContext& c, const TableRequest& r) { return FillDriverList(c, r, true); }},
});

// One "caption value" line, the captions padded so that the values line up.
class FramePrinter {
  public:
    FramePrinter(const Langs& langs, std::ostream& out) : langs_(langs), out_(out) {}

    void Line(int captionSlot, const std::string& value, const std::string& extra = {}) {
        Line(Out(langs_.Text(captionSlot)), value, extra);
    }
    void Line(const std::string& caption, const std::string& value, const std::string& extra = {}) {
        std::string line = "  " + caption;
        std::size_t width = 0;
        for (unsigned char ch : caption)
            if ((ch & 0xC0) != 0x80) ++width;
        line += std::string(width < 18 ? 18 - width : 1, ' ') + Out(value);
        if (!extra.empty())
            line += std::string(value.size() < 8 ? 8 - value.size() : 1, ' ') + extra;
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out_ << line << "\n";
    }

  private:
    const Langs& langs_;
    std::ostream& out_;
};

void PrintFrame(const The_Class& db, const Langs& langs, const DriverFrame& f, std::ostream& out) {
    out << Out(f.namelabel) << "\n";
    FramePrinter p(langs, out);
    p.Line(CaptionNationality, f.natlabel,
           "flag " + Out(f.FlagName) + (f.FlagVisible ? "" : " (none)"));
    if (!f.Lseason.empty()) out << Out(f.Lseason) << "\n";

    out << "\n" << Out(langs.Text(CaptionHistory)) << "\n";
    p.Line(CaptionFirstGP, f.firstgplabel);
    p.Line(CaptionLastGP, f.lastgplabel);
    p.Line(CaptionFirstWin, f.firstwinlabel);
    p.Line(CaptionLastWin, f.lastwinlabel);
    p.Line(CaptionFirstPole, f.firstpolelabel);
    p.Line(CaptionLastPole, f.lastpolelabel);
    if (!f.Label25.empty()) out << "  " << Out(f.Label25) << "\n";
    out << "  Team by team records:";
    for (const TeamRecordsItem& t : f.PopupRACES_FOR)
        out << (&t == &f.PopupRACES_FOR.front() ? " " : ", ") << Out(t.Caption);
    out << "\n";

    out << "\n" << Out(langs.Text(CaptionStatistics)) << "\n";
    p.Line(CaptionAllGPs, f.allraceslabel);
    p.Line(CaptionStarts, f.raceslabel);
    p.Line(CaptionWins, f.winslabel, f.Percentages[GaugeWins]);
    p.Line(CaptionPodiums, f.podiumslabel, f.Percentages[GaugePodiums]);
    p.Line(CaptionFastestLaps, f.fastestlapslabel, f.Percentages[GaugeFastestLaps]);
    p.Line(CaptionPoles, f.poleslabel, f.Percentages[GaugePoles]);
    p.Line(CaptionRetirements, f.retirementslabel, f.Percentages[GaugeRetirements]);
    p.Line(CaptionDns, f.DNSLABEL);
    p.Line(CaptionDnq, f.DNQLABEL);
    p.Line(CaptionDnpq, f.DNPQLABEL);
    p.Line(CaptionDisq, f.disqlabel);
    p.Line(CaptionTotalPoint, f.totalpointlabel);
    out << "  % = x / starts\n";
    out << "  " << Out(f.Label17Hint) << "\n";
    out << "  gauges: wins " << f.GaugeTarget[GaugeWins] << ", podiums "
        << f.GaugeTarget[GaugePodiums] << ", fastest laps " << f.GaugeTarget[GaugeFastestLaps]
        << ", poles " << f.GaugeTarget[GaugePoles] << ", retirements "
        << f.GaugeTarget[GaugeRetirements] << "\n";

    int placed = 0;
    for (const RaceHistoryEntry& e : f.History)
        placed += e.Pos != 0 ? 1 : 0;
    out << "\nRace chart: " << f.HistoryCount() << " races (" << placed << " classified)";
    if (!f.History.empty())
        out << ", " << The_Class::YearOfDate(db.GPs[f.History.front().GP].Date) << "-"
            << The_Class::YearOfDate(db.GPs[f.History.back().GP].Date);
    out << "\nKey record: " << f.first_kayit_no << "\n";
}

} // namespace

int CmdAnalyze(CliContext& ctx, std::ostream& out, std::ostream& err) {
    std::vector<std::string> words;
    std::string season;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        if (ctx.args[i] == "--season" && i + 1 < ctx.args.size())
            season = ctx.args[++i];
        else
            words.push_back(ctx.args[i]);
    }
    if (words.empty()) {
        err << "usage: qor-cli analyze NAME [--season YEAR]\n";
        return 64;
    }
    if (!ctx.Load(err)) return 2;
    const Langs& langs = ctx.Language(err);
    const The_Class& db = *ctx.db;
    const std::string name = Utf8ToCp1254(Joined(words));
    const std::uint16_t driver = DriverNamed(db, name);
    if (driver == 0) {
        err << Out(NoDriver(db, name)) << "\n";
        return 1;
    }
    int year = 0;
    if (!season.empty()) {
        year = SeasonOf(db, season);
        if (year == 0) {
            err << Out(NoSeason(season)) << "\n";
            return 1;
        }
    }
    FlagImages flags;
    flags.LoadFlags(DataFilePath(ctx.dataDir, "flags.dat"));
    // As the window does it: the whole career with its history, then a chosen season alone.
    DriverFrame frame;
    AnalyzeDriver(db, driver, 0, 0, true, frame, &flags);
    if (year != 0) {
        AnalyzeDriver(db, driver, year, year, false, frame, &flags);
        frame.SelectedSeason = year;
        frame.Lseason = "Statistics for " + std::to_string(year);
    }
    PrintFrame(db, langs, frame, out);
    return 0;
}

} // namespace qor::cli
