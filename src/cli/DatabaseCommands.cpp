// The database commands: info, check, resave and gp.

#include "CliContext.h"
#include "TableCommand.h"

#include "database/Invariants.h"
#include "database/NameSuggestions.h"
#include "text/Encoding.h"

#include <iomanip>
#include <ostream>

namespace qor::cli {

std::string Out(const std::string& cp1254) {
    return Cp1254ToUtf8(cp1254);
}

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
    for (const auto& [name, value] : rows)
        out << std::left << std::setw(17) << name << value << "\n";
    return 0;
}

int CmdCheck(CliContext& ctx, std::ostream& out, std::ostream& err) {
    // A file whose structure is broken is refused by the load itself.
    if (!ctx.Load(err)) return 2;
    const auto problems = CheckInvariants(*ctx.db, 1000);
    for (const auto& p : problems)
        out << Out(p) << "\n";
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
            err << Out(NoGPOnDateMessage(d, Utf8ToCp1254(ctx.args[0]))) << "\n";
            return 1;
        }
    }
    if (!g) {
        err << "The database holds no Grand Prix\n";
        return 1;
    }
    if (format == "html") return PrintGPPage(ctx, g, out, err);
    return PrintGPText(ctx, g, out, err);
}

} // namespace qor::cli
