// The database commands: info, check, resave and gp.

#include "CliContext.h"

#include "database/Invariants.h"
#include "text/Encoding.h"

#include <climits>
#include <iomanip>
#include <ostream>
#include <unistd.h>

namespace qor::cli {

std::string ProgramFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string path(buf, static_cast<std::size_t>(n));
    return path.substr(0, path.find_last_of('/') + 1);
}

std::string Out(const std::string& cp1254) { return Cp1254ToUtf8(cp1254); }

bool CliContext::Load(std::ostream& err) {
    db->DataPath = dataDir;
    if (db->LoadDatabase("f1data5.dat", "f1notes5.dat", 1) != 0) {
        err << (db->LastError.empty() ? std::string("Corrupted data") : db->LastError) << "\n";
        return false;
    }
    dbLoaded_ = true;
    if (!lang.empty()) Language(err);
    return true;
}

int CmdInfo(CliContext& ctx, std::ostream& out, std::ostream& err) {
    if (!ctx.Load(err)) return 2;
    const The_Class& d = *ctx.db;
    const std::pair<const char*, long> rows[] = {
        {"Seasons", d.SeasonCount},
        {"LastYear", d.LastYear},
        {"GPs", d.GPCount},
        {"Results", d.ResultCount},
        {"Drivers", d.DriverCount},
        {"Teams", d.TeamCount},
        {"GPNames", d.GPNameCount},
        {"Tracks", d.TrackCount},
        {"Reasons", d.ReasonCount},
        {"Nationalities", d.NationalityCount},
        {"Countries", d.CountryCount},
        {"Remarks", d.RemarkCount},
        {"Notes", d.NoteCount},
        {"DriverStandings", d.DriverStandingCount},
        {"TeamStandings", d.TeamStandingCount},
        {"OtherNames", d.OtherNameCount},
        {"LanguageMode", d.LanguageMode},
        {"ColorTheme", d.ColorTheme},
        {"GridLineStyle", d.GridLineStyle},
        {"OddEvenRows", d.OddEvenRows},
        {"SpareOption", d.SpareOption},
        {"CompareView", d.CompareView},
        {"StatsWindowSize", d.StatsWindowSize},
        {"DarkLevel", d.DarkLevel},
        {"FontSizeMode", d.FontSizeMode},
        {"OnlineOption", d.OnlineOption},
    };
    for (const auto& [name, value] : rows) out << std::left << std::setw(17) << name << value << "\n";
    return 0;
}

int CmdCheck(CliContext& ctx, std::ostream& out, std::ostream& err) {
    // A file whose structure is broken is refused by the load itself.
    if (!ctx.Load(err)) return 2;
    const auto problems = CheckInvariants(*ctx.db, 1000);
    for (const auto& p : problems) out << Out(p) << "\n";
    if (problems.empty()) out << "All rules hold.\n";
    return problems.empty() ? 0 : 1;
}

int CmdResave(CliContext& ctx, std::ostream& out, std::ostream& err) {
    if (!ctx.Load(err)) return 2;
    if (ctx.db->SaveDatabase() != 1) {
        err << "Write error. Possibly, readonly file.\n";
        return 1;
    }
    out << "Saved " << ctx.db->DataFileName << "\n";
    return 0;
}

int CmdGP(CliContext& ctx, std::ostream& out, std::ostream& err) {
    std::string format = "text";
    if (!TakeFormatOption(ctx.args, format, err)) return 64;
    if (!ctx.Load(err)) return 2;
    const The_Class& d = *ctx.db;
    std::uint16_t g = 0;
    if (ctx.args.empty()) {
        g = d.GPCount;
    } else {
        g = d.FindGPByDate(Utf8ToCp1254(ctx.args[0]));
        if (!g) {
            err << "No Grand Prix on " << ctx.args[0] << "\n";
            return 1;
        }
    }
    if (!g) {
        err << "The database holds no Grand Prix\n";
        return 1;
    }
    if (format == "html") return PrintGPPage(ctx, g, out, err);
    const TGPRow& gp = d.GPs[g];
    const int year = The_Class::YearOfDate(gp.Date);
    out << Out(d.GPNameOf(gp.GPName)) << "       " << Out(d.TrackNameOf(gp.Track)) << "     "
        << Out(d.FormatDateAlt(gp.Date)) << "\n";
    out << "Fastest lap: " << Out(d.DriverName(gp.FLDriver)) << " " << d.FormatTime(gp.FLTime)
        << "\nPole position: " << Out(d.DriverName(gp.PoleDriver)) << " "
        << d.FormatTime(gp.PoleTime) << "\n";
    const std::string weather = d.RemarkText(gp.Remark);
    if (weather != Unknown) out << "Weather: " << Out(weather) << "\n";
    out << "Number of Laps : " << static_cast<int>(gp.Laps) << "\n\n";
    const bool withGrid = year >= 2002;
    out << std::left << std::setw(4) << "" << std::setw(36) << "Name" << std::setw(26) << "Team"
        << std::setw(5) << "Pos" << std::setw(16) << "Time";
    if (withGrid) out << std::setw(6) << "Grid";
    out << "Notes\n";
    int n = 0;
    // setw counts bytes; pad by characters so that UTF-8 names line up.
    const auto pad = [](const std::string& s, std::size_t width) {
        std::size_t chars = 0;
        for (unsigned char c : s)
            if ((c & 0xC0) != 0x80) ++chars;
        return s + std::string(chars < width ? width - chars : 1, ' ');
    };
    for (int r = gp.FirstResult; r <= gp.LastResult; ++r) {
        const TResultRec& rec = d.Results[static_cast<std::size_t>(r)];
        out << pad(std::to_string(++n), 4) << pad(Out(d.ResultDriverName(r)), 36)
            << pad(Out(d.ResultTeamName(r)), 26) << pad(The_Class::NumText(rec.Pos), 5)
            << pad(The_Class::FormatTime(rec.Time), 16);
        if (withGrid) out << pad(std::to_string(rec.Grid), 6);
        out << Out(d.ReasonText(rec.Reason)) << "\n";
    }
    out << "\n" << n << "  record(s) found.\n";
    return 0;
}

} // namespace qor::cli
