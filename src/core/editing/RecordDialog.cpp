#include "editing/RecordDialog.h"

#include "database/NameSuggestions.h"
#include "text/Encoding.h"

#include <algorithm>

namespace qor {

const std::array<std::string_view, 11> RecordDialogTeams = {
    "Ferrari", "Honda",       "McLaren",    "MF1",    "Red Bull", "Renault",
    "Sauber",  "Super Aguri", "Toro Rosso", "Toyota", "Williams"};

const std::array<std::string_view, 4> TimeStyleItems = {
    "pos 1           1 hr 13:02.431", "other pos     + 11:02.231", "other pos     + 3 laps",
    "no pos          lap 34"};

const std::array<ControlSlot, 11> RecordDialogCaptions = {{
    {"Form10", 34},
    {"Label2", 35},
    {"Label3", 36},
    {"Label4", 37},
    {"Label5", 38},
    {"Label6", 39},
    {"Label7", 40},
    {"Label8", 41},
    {"Label9", 42},
    {"Button1", 43},
    {"Button2", 44},
}};

namespace {

std::string TwoDigitText(long v) {
    return (v < 10 ? "0" : "") + std::to_string(v);
}

long Number(const std::string& field) {
    return std::max(0L, ParseDecimal(TrimBlanks(field), 0));
}

void Reset(RecordDialog& d, const std::vector<std::string>& driverBox) {
    const std::string keep = d.TimeToSave;
    d = RecordDialog{};
    d.TimeToSave = keep;
    d.DriverNames = driverBox;
    std::sort(d.DriverNames.begin(), d.DriverNames.end());
}

} // namespace

void RecordDialog::PrepareNew(const The_Class& db, int g, const std::string& gpDescription,
                              const std::vector<std::string>& driverBox) {
    Reset(*this, driverBox);
    Caption = "Insert record";
    gpdesc = gpDescription;
    if (g >= 1 && g <= db.GPCount)
        gpdate = db.FormatDateAlt(db.GPs[static_cast<std::size_t>(g)].Date);
}

void RecordDialog::PrepareUpdate(const The_Class& db, int record, const std::string& gpDescription,
                                 const std::vector<std::string>& driverBox) {
    Reset(*this, driverBox);
    Caption = "Update record";
    gpdesc = gpDescription;
    const int g = db.GPOfResult(record);
    if (g == 0) return;
    const TResultRec& r = db.Results[static_cast<std::size_t>(record)];
    gpdate = db.FormatDateAlt(db.GPs[static_cast<std::size_t>(g)].Date);
    Driver = db.ResultDriverName(record);
    Team = db.ResultTeamName(record);
    Position = The_Class::NumText(r.Pos);
    Grid = std::to_string(r.Grid);
    Notes = db.ReasonText(r.Reason);
    TimeToSave = The_Class::FormatTime(r.Time);
    recno = std::to_string(record);
    PositionEnabled = false;
}

void RecordDialog::ChooseDriver(const The_Class& db, const std::string& name) {
    Driver = name;
    Team.clear();
    const std::uint16_t d = db.FindDriver(name);
    if (d == 0 || !db.IsYearLoaded(db.LastYear)) return;
    const TSeasonRow& s = db.Seasons[db.LastYear];
    if (s.LastGP < s.FirstGP) return;
    const int first = db.GPs[s.FirstGP].FirstResult;
    // Scanning backwards, every match overrides: the earliest result's team is left chosen.
    for (int r = db.GPs[s.LastGP].LastResult; r >= first && r >= 1; --r)
        if (db.Results[static_cast<std::size_t>(r)].Driver == d) Team = db.ResultTeamName(r);
}

void RecordDialog::ComposeTime() {
    std::string text;
    switch (Style) {
    case StyleWinner: {
        long h = Number(Hours), m = Number(Minutes), s = Number(Seconds);
        m += s / 60;
        s %= 60;
        h += m / 60;
        m %= 60;
        if (h > 3) {
            h = 3;
            Hours = "3";
        }
        text = std::to_string(h) + " hr " + TwoDigitText(m) + ":" + TwoDigitText(s) + "." +
               std::string(TrimBlanks(Fraction));
        break;
    }
    case StyleBehind: {
        long m = Number(BehindMinutes), s = Number(BehindSeconds);
        m += s / 60;
        s %= 60;
        text = "+ " + TwoDigitText(m) + ":" + TwoDigitText(s) + "." +
               std::string(TrimBlanks(BehindFraction));
        break;
    }
    case StyleLapsDown:
        text = "+ " + std::string(TrimBlanks(LapsBehind)) + " laps";
        break;
    case StyleRetired:
        text = "lap " + std::string(TrimBlanks(RetiredLap));
        break;
    default:
        return;
    }
    TimeToSave = The_Class::FormatTime(The_Class::ParseTime(text));
}

void RecordDialog::TypeNotes(std::string_view typed) {
    for (char c : typed)
        if (c != '&' && c != '*') Notes += c;
}

DialogSaveResult RecordDialog::Save(The_Class& db) const {
    if (TrimBlanks(Driver).empty() || TrimBlanks(Team).empty() || TrimBlanks(TimeToSave).empty())
        return {"Fill required fields."};
    TResultRec rec;
    rec.Driver = db.FindDriver(TrimBlanks(Driver));
    rec.Team = static_cast<std::uint8_t>(db.FindTeam(TrimBlanks(Team)));
    // An unknown name would be saved as nobody: refuse it, offering the closest names.
    if (rec.Driver == 0)
        return {NotFoundMessage(db, NameKind::Driver, std::string(TrimBlanks(Driver)))};
    if (rec.Team == 0) return {NotFoundMessage(db, NameKind::Team, std::string(TrimBlanks(Team)))};
    rec.Pos = static_cast<std::uint8_t>(std::min(Number(Position), 255L));
    rec.Time = The_Class::ParseTime(TimeToSave);
    if (rec.Time == 0) return {"Wrong time."};
    rec.Grid = static_cast<std::uint16_t>(std::min(Number(Grid), 65535L));
    const std::string notes(TrimBlanks(Notes));
    const std::string_view yearText = gpdate.size() >= 4
                                          ? std::string_view(gpdate).substr(gpdate.size() - 4)
                                          : std::string_view();
    const int year = static_cast<int>(ParseDecimal(yearText, 0));

    DialogSaveResult r;
    if (!NewMode()) {
        const long index = ParseDecimal(recno, 0);
        if (index < 1 || index > db.ResultCount) return {"Select the record for update"};
        rec.Reason = db.SetResultReason(static_cast<int>(index), notes);
        db.SetResult(rec, static_cast<int>(index));
        r.Record = static_cast<std::uint16_t>(index);
        r.GP = db.GPOfResult(static_cast<int>(index));
    } else {
        if (db.FindGPByDate(gpdate) == 0) return {"Wrong date"};
        if (db.ResultCount >= MaxResults) return {"No room for another result."};
        rec.Reason = notes.empty() ? 0 : db.AddReason(notes, false);
        if (!notes.empty() && rec.Reason == 0) return {"No room for another note."};
        r.Record = db.AddResult(rec, gpdate);
        if (r.Record == 0) return {"Failed ! Already exists"};
        r.GP = db.GPOfResult(r.Record);
    }
    if (db.IsYearLoaded(year)) db.RecalcStandings(year);
    return r;
}

} // namespace qor
