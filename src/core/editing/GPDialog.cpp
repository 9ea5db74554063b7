#include "editing/GPDialog.h"

#include "database/NameSuggestions.h"
#include "text/Encoding.h"

#include <algorithm>

namespace qor {

const std::array<CalendarRow, 19> LastSeasonCalendar = {{
    {"Bahrain", "InternationalCircuit", 12, 3, 57},
    {"Malaysia", "Sepang", 19, 3, 56},
    {"Australia", "Melbourne", 2, 4, 58},
    {"San Marino", "Imola", 23, 4, 62},
    {"Europe", "Nurburgring", 7, 5, 60},
    {"Spain", "Barcelona", 14, 5, 66},
    {"Monaco", "Monte Carlo", 28, 5, 78},
    {"Great Britain", "Silverstone", 11, 6, 60},
    {"Canada", "Montreal", 25, 6, 70},
    {"USA", "Indianapolis", 2, 7, 73},
    {"France", "Magny-Cours", 16, 7, 70},
    {"Germany", "Hockenheim", 30, 7, 67},
    {"Hungary", "Hungaroring", 6, 8, 70},
    {"Turkey", "Istanbul", 27, 8, 58},
    {"Italy", "Monza", 10, 9, 53},
    {"Belgium", "Spa Francorchamps", 17, 9, 44},
    {"China", "Shanghai", 1, 10, 56},
    {"Japan", "Suzuka", 8, 10, 53},
    {"Brazil", "Interlagos", 22, 10, 71},
}};

const std::array<std::string_view, 12> DialogMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

const std::array<ControlSlot, 12> GPDialogCaptions = {{
    {"Form9", 22},
    {"Label2", 23},
    {"Label1", 24},
    {"Label3", 25},
    {"GroupBox1", 26},
    {"GroupBox2", 27},
    {"Label4", 28},
    {"Label8", 29},
    {"Label9", 30},
    {"Label10", 31},
    {"Button1", 32},
    {"Button2", 33},
}};

namespace {

std::vector<std::string> SortedNames(const std::vector<std::string>& names) {
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

// Two digits at s[at], or -1.
int TwoDigits(std::string_view s, std::size_t at) {
    const char a = s[at], b = s[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    return (a - '0') * 10 + (b - '0');
}

// A name typed into a list: empty is "none" (0); an unknown name is refused with the closest
// stored names, since an index of 0 would silently drop what the user typed.
bool LookUp(const The_Class& db, std::string_view text, NameKind kind, std::uint16_t found,
            std::string& message) {
    if (found != 0 || TrimBlanks(text).empty()) return true;
    message = NotFoundMessage(db, kind, std::string(TrimBlanks(text)));
    return false;
}

} // namespace

void GPDialog::PrepareNew(const The_Class&, const std::vector<std::string>& driverBox) {
    *this = GPDialog{};
    DriverNames = SortedNames(driverBox);
}

void GPDialog::PrepareUpdate(const The_Class& db, int g,
                             const std::vector<std::string>& driverBox) {
    *this = GPDialog{};
    DriverNames = SortedNames(driverBox);
    if (g < 1 || g > db.GPCount) return;
    const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
    NewMode = false;
    DateText = db.FormatDateAlt(gp.Date);
    GPName = db.GPNameOf(gp.GPName);
    Track = db.TrackNameOf(gp.Track);
    Laps = The_Class::NumText(gp.Laps);
    FLDriver = gp.FLDriver ? db.DriverName(gp.FLDriver) : std::string();
    PoleDriver = gp.PoleDriver ? db.DriverName(gp.PoleDriver) : std::string();
    FLTime = gp.FLTime ? The_Class::FormatTime(gp.FLTime) : std::string();
    PoleTime = gp.PoleTime ? The_Class::FormatTime(gp.PoleTime) : std::string();
}

void GPDialog::ChooseCalendarRow(int index) {
    if (index < 0 || index >= static_cast<int>(LastSeasonCalendar.size())) return;
    const CalendarRow& row = LastSeasonCalendar[static_cast<std::size_t>(index)];
    GPName = row.GPName;
    Track = row.Track;
    DayIndex = row.Day - 1;
    MonthIndex = row.Month - 1;
    Laps = std::to_string(row.Laps);
}

std::string GPDialog::TimePreview(std::string_view text) {
    return The_Class::FormatTime(The_Class::ParseTime(text));
}

DialogSaveResult GPDialog::Save(The_Class& db) const {
    DialogSaveResult r;
    // 1. The date text: from the day and month lists, typed as dd.mm.yyyy, or the fixed one.
    std::string date;
    const std::string_view typed = TrimBlanks(DateText);
    if (typed.empty()) {
        if (DayIndex < 0 || MonthIndex < 0) return {"Wrong date"};
        // The lists name a day of the last season (its year is the label beside them).
        date = std::to_string(DayIndex + 1) + " " + std::to_string(MonthIndex + 1) + " " +
               std::to_string(db.LastYear);
    } else if (NewMode) {
        const bool shaped = typed.size() == 10 && typed[2] == '.' && typed[5] == '.';
        const int day = shaped ? TwoDigits(typed, 0) : -1;
        const int month = shaped ? TwoDigits(typed, 3) : -1;
        const long year = shaped ? ParseDecimal(typed.substr(6), 0) : 0;
        if (day < 1 || day > 31 || month < 1 || month > 12 || year <= 0) return {"Wrong date."};
        if (year != db.LastYear) return {"Sorry, year must be " + std::to_string(db.LastYear)};
        date = std::string(typed);
        std::replace(date.begin(), date.end(), '.', ' ');
    } else {
        date = std::string(typed);
    }
    // 2. Times typed must read as times.
    for (const std::string* t : {&FLTime, &PoleTime})
        if (!TrimBlanks(*t).empty() && The_Class::ParseTime(*t) == 0) return {"Wrong time."};
    // 3. The packed date.
    TGPRow row;
    row.Date = db.ParseDate(date);
    if (row.Date == 0) return {"Wrong date"};
    // 4. The row, every name looked up.
    row.Laps =
        static_cast<std::uint8_t>(std::clamp<long>(ParseDecimal(TrimBlanks(Laps), 0), 0, 255));
    row.Track = static_cast<std::uint8_t>(db.FindTrack(TrimBlanks(Track)));
    row.GPName = static_cast<std::uint8_t>(db.FindGP(TrimBlanks(GPName)));
    row.FLDriver = db.FindDriver(TrimBlanks(FLDriver));
    row.FLTime = The_Class::ParseTime(FLTime);
    row.PoleDriver = db.FindDriver(TrimBlanks(PoleDriver));
    row.PoleTime = The_Class::ParseTime(PoleTime);
    std::string unknown;
    if (!LookUp(db, Track, NameKind::Track, row.Track, unknown) ||
        !LookUp(db, FLDriver, NameKind::Driver, row.FLDriver, unknown) ||
        !LookUp(db, PoleDriver, NameKind::Driver, row.PoleDriver, unknown))
        return {unknown};
    if (row.GPName == 0 && !TrimBlanks(GPName).empty())
        return {"Grand Prix \"" + std::string(TrimBlanks(GPName)) + "\" not found."};
    // 5. Update, or add unless the last season has this Grand Prix already.
    if (!NewMode) {
        const std::uint16_t g = db.FindGPByDate(date);
        if (g == 0) return {"Wrong date"};
        db.UpdateGP(row);
        r.GP = g;
        return r;
    }
    if (db.IsYearLoaded(db.LastYear)) {
        const TSeasonRow& s = db.Seasons[db.LastYear];
        for (int g = s.FirstGP; g <= s.LastGP; ++g)
            if (db.GPs[static_cast<std::size_t>(g)].GPName == row.GPName)
                return {"This GP is already exist"};
    }
    r.GP = db.AddGP(row);
    if (r.GP == 0) return {"Failed ! Already exists"};
    return r;
}

} // namespace qor
