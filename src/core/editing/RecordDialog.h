#pragma once
// The "Record" dialog (TForm10) without its widgets: the driver and team lists, the four time
// styles whose panels compose the "Time to save" text, the notes, and saving a new or changed
// result record with every check made before the database changes.

#include "database/STheClass.h"
#include "editing/GPDialog.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The team list's built-in items and the time-style list.
extern const std::array<std::string_view, 11> RecordDialogTeams;
extern const std::array<std::string_view, 4> TimeStyleItems;

// The dialog's captions from the string table, by control name (the window is "Form10").
extern const std::array<ControlSlot, 11> RecordDialogCaptions;

// Time styles (ComboBox3 index).
enum TimeStyle : int {
    StyleWinner = 0,   // "1 hr 13:02.431"
    StyleBehind = 1,   // "+ 11:02.231"
    StyleLapsDown = 2, // "+ 3 laps"
    StyleRetired = 3,  // "lap 34"
};

class RecordDialog {
  public:
    // "New record" for GP g: no driver or team chosen, every field empty except "Time to
    // save", which keeps its text.
    void PrepareNew(const The_Class& db, int g, const std::string& gpDescription,
                    const std::vector<std::string>& driverBox);
    // "Update record": the fields of result `record`; its position cannot be changed.
    void PrepareUpdate(const The_Class& db, int record, const std::string& gpDescription,
                       const std::vector<std::string>& driverBox);

    // ComboBox1Change: the driver's team in the last season (of his earliest result there).
    void ChooseDriver(const The_Class& db, const std::string& name);
    // A panel field was edited: composes the style's text and puts the normalised time into
    // "Time to save". Seconds above 59 carry into minutes, minutes above 59 into hours (first
    // style), and more than 3 hours are cut to 3.
    void ComposeTime();
    // Notes as typed: "&" and "*" are refused.
    void TypeNotes(std::string_view typed);

    // Button1Click. A refusal returns its message and leaves the database as it was.
    DialogSaveResult Save(The_Class& db) const;

    bool NewMode() const { return recno.empty(); }

    std::string Caption;
    std::string gpdesc, gpdate, recno;
    std::vector<std::string> DriverNames; // ComboBox1 items
    std::string Driver;                   // ComboBox1
    std::string Team;                     // ComboBox2
    std::string Position;                 // Edit2
    bool PositionEnabled = true;
    std::string Grid; // Edit10
    int Style = -1;   // ComboBox3
    // The panels' fields: hours, minutes, seconds, thousandths of the first style; minutes,
    // seconds, thousandths of the second; laps behind; the lap of retirement.
    std::string Hours, Minutes, Seconds, Fraction;            // Edit3..Edit6
    std::string BehindMinutes, BehindSeconds, BehindFraction; // Edit8, Edit9, Edit11
    std::string LapsBehind;                                   // Edit14
    std::string RetiredLap;                                   // Edit7
    std::string TimeToSave;                                   // Edit1
    std::string Notes;                                        // Edit12
};

} // namespace qor
