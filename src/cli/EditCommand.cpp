// qor-cli edit: the "Update" menu's operations for scripts, through the same dialog models as
// the program, each saved atomically at the end (or not at all with --dry-run).

#include "CliContext.h"
#include "editing/GPDialog.h"
#include "editing/RecordDialog.h"
#include "mainwindow/DriverCombo.h"
#include "text/Encoding.h"

#include <functional>
#include <map>
#include <ostream>

namespace qor::cli {
namespace {

const char* const kEditUsage =
    "usage: qor-cli edit OPERATION ARGS... [--dry-run]\n"
    "  new-gp --name NAME [--date DD.MM.YYYY | --day D --month M] [--track T] [--laps N]\n"
    "         [--fl NAME --fl-time T] [--pole NAME --pole-time T]\n"
    "  update-gp DATE [--track T] [--laps N] [--fl NAME] [--fl-time T] [--pole NAME]\n"
    "         [--pole-time T]\n"
    "  delete-gp DATE\n"
    "  add-result DATE --driver NAME --team TEAM --time TEXT [--pos N] [--grid N] [--notes TEXT]\n"
    "  update-result RECORD [--driver NAME] [--team TEAM] [--time TEXT] [--grid N] [--notes TEXT]\n"
    "  delete-result DATE ROW\n"
    "Only GPs of the last season can be changed.\n";

// "--name value" options after the positional arguments; texts in Windows-1254.
struct EditArgs {
    std::vector<std::string> Positional;
    std::map<std::string, std::string> Options;
    bool DryRun = false;

    const std::string* Get(const std::string& name) const {
        const auto it = Options.find(name);
        return it == Options.end() ? nullptr : &it->second;
    }
};

bool ParseArgs(const std::vector<std::string>& args, EditArgs& out, std::ostream& err) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--dry-run") {
            out.DryRun = true;
        } else if (a.rfind("--", 0) == 0) {
            if (i + 1 >= args.size()) {
                err << "qor-cli edit: " << a << " needs a value\n";
                return false;
            }
            out.Options[a.substr(2)] = Utf8ToCp1254(args[++i]);
        } else {
            out.Positional.push_back(Utf8ToCp1254(a));
        }
    }
    return true;
}

// The GP of a date text of the last season, or 0 with the reason written.
std::uint16_t LastSeasonGP(const The_Class& db, const Langs& langs, const std::string& date,
                           std::ostream& err) {
    const std::uint16_t g = db.FindGPByDate(date);
    if (g == 0) {
        err << "No Grand Prix on " << Out(date) << "\n";
        return 0;
    }
    if (The_Class::YearOfDate(db.GPs[g].Date) != db.LastYear) {
        err << Out(langs.MsgOnlyLastSeason) << "\n";
        return 0;
    }
    return g;
}

std::string GPText(const The_Class& db, int g) {
    const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
    return Out(db.FormatDate(gp.Date) + " " + db.GPNameOf(gp.GPName) + " (" +
               db.TrackNameOf(gp.Track) + ")");
}

std::string ResultText(const The_Class& db, int r) {
    const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
    return Out(db.ResultDriverName(r) + " (" + db.ResultTeamName(r) + ") " +
               (rec.Pos ? std::to_string(rec.Pos) + ". " : "") + The_Class::FormatTime(rec.Time) +
               (rec.Reason ? " " + db.ReasonText(rec.Reason) : ""));
}

// Fills the GP dialog's fields the options name.
void ApplyGPOptions(const EditArgs& a, GPDialog& d) {
    const std::pair<const char*, std::string GPDialog::*> fields[] = {
        {"track", &GPDialog::Track},     {"laps", &GPDialog::Laps},
        {"fl", &GPDialog::FLDriver},     {"fl-time", &GPDialog::FLTime},
        {"pole", &GPDialog::PoleDriver}, {"pole-time", &GPDialog::PoleTime},
        {"date", &GPDialog::DateText}};
    for (const auto& [name, field] : fields)
        if (const std::string* v = a.Get(name)) d.*field = *v;
}

// Fills the record dialog's fields the options name; false when the notes hold a character
// the dialog refuses.
bool ApplyRecordOptions(const The_Class& db, const EditArgs& a, RecordDialog& d,
                        std::ostream& err) {
    if (const std::string* v = a.Get("driver")) d.ChooseDriver(db, *v);
    const std::pair<const char*, std::string RecordDialog::*> fields[] = {
        {"team", &RecordDialog::Team},
        {"pos", &RecordDialog::Position},
        {"grid", &RecordDialog::Grid}};
    for (const auto& [name, field] : fields)
        if (const std::string* v = a.Get(name)) d.*field = *v;
    if (const std::string* v = a.Get("time"))
        d.TimeToSave = The_Class::FormatTime(The_Class::ParseTime(*v));
    if (const std::string* v = a.Get("notes")) {
        if (v->find_first_of("&*") != std::string::npos) {
            err << "Notes may not contain \"&\" or \"*\"\n";
            return false;
        }
        d.Notes = *v;
    }
    return true;
}

int Refused(const std::string& message, std::ostream& err) {
    err << Out(message) << "\n";
    return 1;
}

} // namespace

int CmdEdit(CliContext& ctx, std::ostream& out, std::ostream& err) {
    EditArgs a;
    if (ctx.args.empty() || !ParseArgs(ctx.args, a, err)) {
        err << kEditUsage;
        return 64;
    }
    if (!ctx.Load(err)) return 2;
    The_Class& db = *ctx.db;
    const Langs& langs = ctx.Language(err);
    std::vector<std::string> driverBox;
    FillDriverCombo(db, 2000, driverBox);
    const std::string& op = ctx.args[0];
    const auto positional = [&](std::size_t n) {
        if (a.Positional.size() == n) return true;
        err << kEditUsage;
        return false;
    };
    std::string changed;

    if (op == "new-gp" || op == "update-gp") {
        GPDialog d;
        if (op == "new-gp") {
            if (!positional(0)) return 64;
            d.PrepareNew(db, driverBox);
            const std::string* name = a.Get("name");
            if (!name) return Refused("new-gp needs --name", err);
            // A name of the calendar fills its date, track and laps, as picking it does.
            for (std::size_t i = 0; i < LastSeasonCalendar.size(); ++i)
                if (LastSeasonCalendar[i].GPName == *name) d.ChooseCalendarRow(static_cast<int>(i));
            d.GPName = *name;
            if (const std::string* day = a.Get("day"))
                d.DayIndex = static_cast<int>(ParseDecimal(*day, 0)) - 1;
            if (const std::string* month = a.Get("month"))
                d.MonthIndex = static_cast<int>(ParseDecimal(*month, 0)) - 1;
        } else {
            if (!positional(1)) return 64;
            const std::uint16_t g = LastSeasonGP(db, langs, a.Positional[0], err);
            if (g == 0) return 1;
            d.PrepareUpdate(db, g, driverBox);
        }
        ApplyGPOptions(a, d);
        const DialogSaveResult r = d.Save(db);
        if (!r.Saved()) return Refused(r.Message, err);
        changed = (op == "new-gp" ? "Added GP " : "Updated GP ") + GPText(db, r.GP);
    } else if (op == "add-result" || op == "update-result") {
        if (!positional(1)) return 64;
        RecordDialog d;
        if (op == "add-result") {
            const std::uint16_t g = LastSeasonGP(db, langs, a.Positional[0], err);
            if (g == 0) return 1;
            d.PrepareNew(db, g, "", driverBox);
            d.TimeToSave.clear();
        } else {
            const long r = ParseDecimal(a.Positional[0], 0);
            const int g = r >= 1 && r <= db.ResultCount ? db.GPOfResult(static_cast<int>(r)) : 0;
            if (g == 0) return Refused("No result record " + a.Positional[0], err);
            if (The_Class::YearOfDate(db.GPs[static_cast<std::size_t>(g)].Date) != db.LastYear)
                return Refused(langs.MsgOnlyLastSeason, err);
            d.PrepareUpdate(db, static_cast<int>(r), "", driverBox);
        }
        if (!ApplyRecordOptions(db, a, d, err)) return 1;
        const DialogSaveResult r = d.Save(db);
        if (!r.Saved()) return Refused(r.Message, err);
        const int record = r.Record;
        changed = (d.NewMode() ? "Added result " : "Updated result ") + std::to_string(record) +
                  " to " + GPText(db, r.GP) + ": " + ResultText(db, record);
    } else if (op == "delete-gp") {
        if (!positional(1)) return 64;
        const std::uint16_t g = LastSeasonGP(db, langs, a.Positional[0], err);
        if (g == 0) return 1;
        changed = "Deleted GP " + GPText(db, g);
        const std::string date = db.FormatDate(db.GPs[g].Date);
        if (db.DeleteGP(date) == 0) return Refused(langs.MsgNoGPDeleted, err);
        db.RecalcStandings(db.LastYear);
    } else if (op == "delete-result") {
        if (!positional(2)) return 64;
        const std::uint16_t g = LastSeasonGP(db, langs, a.Positional[0], err);
        if (g == 0) return 1;
        const TGPRow& gp = db.GPs[g];
        const long row = ParseDecimal(a.Positional[1], 0);
        if (row < 1 || row > The_Class::RangeCount(gp.FirstResult, gp.LastResult))
            return Refused(langs.MsgSelectRecordToDelete, err);
        changed = "Deleted result " + ResultText(db, gp.FirstResult + static_cast<int>(row) - 1) +
                  " from " + GPText(db, g);
        if (db.DeleteResult(db.FormatDate(gp.Date), static_cast<int>(row)) == 0)
            return Refused("No result deleted", err);
        db.RecalcStandings(db.LastYear);
    } else {
        err << "qor-cli edit: unknown operation '" << op << "'\n" << kEditUsage;
        return 64;
    }

    out << changed << "\n";
    if (a.DryRun) {
        out << "Dry run: nothing saved\n";
        return 0;
    }
    if (db.SaveDatabase() != 1) return Refused(langs.MsgWriteError, err);
    out << "Saved " << db.DataFileName << "\n";
    return 0;
}

} // namespace qor::cli
