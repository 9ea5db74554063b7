#pragma once
// The "GP information" dialog (TForm9) without its widgets: the last season's calendar, the
// day and month lists, the fields as typed, the time and track previews, and saving a new or
// changed Grand Prix with every check made before the database changes.

#include "database/STheClass.h"
#include "lang/DefaultStrings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// One row of the built-in calendar of the GP name and track lists.
struct CalendarRow {
    std::string_view GPName;
    std::string_view Track;
    int Day = 0;
    int Month = 0;
    int Laps = 0;
};
extern const std::array<CalendarRow, 19> LastSeasonCalendar;
// The month list: English names whatever the language.
extern const std::array<std::string_view, 12> DialogMonthNames;

// The dialog's captions from the string table, by control name (the window is "Form9").
extern const std::array<ControlSlot, 12> GPDialogCaptions;

// What a save did: an empty Message means it was saved.
struct DialogSaveResult {
    std::string Message;
    std::uint16_t GP = 0;     // the GP saved
    std::uint16_t Record = 0; // the result record saved (record dialog)
    bool Saved() const { return Message.empty(); }
};

class GPDialog {
  public:
    // "New GP": every field empty, the date and GP name editable. The name lists take the
    // driver box's names, sorted.
    void PrepareNew(const The_Class& db, const std::vector<std::string>& driverBox);
    // "Update GP info": the fields of GP g, the date fixed (its long form), the GP name fixed.
    void PrepareUpdate(const The_Class& db, int g, const std::vector<std::string>& driverBox);

    // ComboBox8Change: the calendar row's day, month, track and laps.
    void ChooseCalendarRow(int index);
    // The track preview (Label5) and the two time previews (Label6, Label7).
    std::string TrackPreview() const { return Track; }
    static std::string TimePreview(std::string_view text);

    // Button2Click: checks every field, then adds or updates the GP. A refusal returns its
    // message and leaves the database as it was.
    DialogSaveResult Save(The_Class& db) const;

    bool NewMode = true;                  // Edit3 (the date) enabled
    std::string DateText;                 // Edit3
    int DayIndex = -1;                    // ComboBox1: day 1..31 at 0..30
    int MonthIndex = -1;                  // ComboBox2: January..December at 0..11
    std::string GPName;                   // ComboBox8
    std::string Track;                    // ComboBox7
    std::string Laps;                     // Edit4
    std::string FLDriver;                 // ComboBox4
    std::string FLTime;                   // Edit8
    std::string PoleDriver;               // ComboBox5
    std::string PoleTime;                 // Edit9
    std::vector<std::string> DriverNames; // items of ComboBox4 and ComboBox5
};

} // namespace qor
