// The edit dialogs' rules without widgets, on a copy of the shipped data: the refusals (each
// leaving the data as it was), the time a record dialog composes, the fields an update starts
// from and the row a deletion takes. The menu's roads through the window are the GUI tests'.

#include "database/NameSuggestions.h"
#include "editing/EditCommands.h"
#include "mainwindow/GPBrowser.h"
#include "settings/SettingsStore.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace qor {
namespace {

class EditDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"f1data5.dat", "other_names.txt"})
            std::filesystem::copy_file(std::string(QOR_BIN_DIR) + "/" + name, dir.file(name));
        ASSERT_TRUE(s.Start(dir.path(), {1280, 1024}, settings).Loaded);
    }
    // Expects a dialog's save to be refused with `message` and to change nothing.
    template <typename Dialog>
    void ExpectRefused(const Dialog& d, const std::string& message, const std::string& why) {
        const auto before = s.db.BuildDataImage();
        EXPECT_EQ(d.Save(s.db).Message, message) << why;
        EXPECT_TRUE(s.db.BuildDataImage() == before) << why;
    }
    std::uint16_t Last2006GP() const { return s.db.Seasons[2006].LastGP; }

    testing::TempDir dir;
    MemorySettings settings;
    MainSession s;
};

TEST_F(EditDialogs, GPDialogRefusesWhatItCannotSave) {
    GPDialog d;
    d.PrepareNew(s.db, s.DriverBoxItems);
    d.ChooseCalendarRow(6);
    EXPECT_EQ((std::tuple{d.DayIndex + 1, d.MonthIndex + 1, d.Track, d.Laps}),
              (std::tuple{28, 5, std::string("Monte Carlo"), std::string("78")}));
    struct Case {
        const char* date;
        const char* name;
        const char* flDriver;
        const char* flTime;
        std::string message;
    } cases[] = {
        {"28.05.2005", "Monaco", "", "", "Sorry, year must be 2006"},
        {"28-05-2006", "Monaco", "", "", "Wrong date."},
        {"32.05.2006", "Monaco", "", "", "Wrong date."},
        {"28.05.2006", "Monaco", "", "1:2x", "Wrong time."},
        // The last season has a Monaco GP already, whatever the date.
        {"29.10.2006", "Monaco", "", "", "This GP is already exist"},
        {"29.10.2006", "Portugal", "Fernando Alonzo", "01:20.000",
         NotFoundMessage(s.db, NameKind::Driver, "Fernando Alonzo")},
    };
    for (const Case& c : cases) {
        d.DateText = c.date;
        d.GPName = c.name;
        d.FLDriver = c.flDriver;
        d.FLTime = c.flTime;
        ExpectRefused(d, c.message, c.date + std::string(" ") + c.name);
    }
}

TEST_F(EditDialogs, RecordDialogComposesTimesAndRefusesWhatItCannotSave) {
    RecordDialog d;
    ASSERT_TRUE(NewRecord1Click(s, d).Proceed);
    struct Case {
        int style;
        const char *hours, *minutes, *seconds, *laps;
        const char* expected;
    } cases[] = {
        {StyleWinner, "1", "91", "5", "", "2 hr 31:05.12"}, // minutes carry into hours
        {StyleWinner, "5", "0", "0", "", "3 hr 00:00.12"},  // at most 3 hours
        {StyleBehind, "", "0", "75", "", "+ 01:15.12"},     // seconds carry into minutes
        {StyleLapsDown, "", "", "", "3", "+ 3 laps"},
        {StyleRetired, "", "", "", "34", "lap 34"},
    };
    for (const Case& c : cases) {
        d.Style = c.style;
        d.Hours = c.hours;
        d.Minutes = d.BehindMinutes = c.minutes;
        d.Seconds = d.BehindSeconds = c.seconds;
        d.Fraction = d.BehindFraction = "12";
        d.LapsBehind = d.RetiredLap = c.laps;
        d.ComposeTime();
        EXPECT_EQ(d.TimeToSave, c.expected) << c.expected;
        if (c.style == StyleWinner) {
            EXPECT_EQ(d.Hours, c.hours[0] == '5' ? "3" : c.hours);
        }
    }
    d.TypeNotes("Gear*box & more");
    EXPECT_EQ(d.Notes, "Gearbox  more");
    ExpectRefused(d, "Fill required fields.", "no driver or team");
    d.ChooseDriver(s.db, "Felipe Massa"); // his team of 2006
    EXPECT_EQ(d.Team, "Ferrari");
    d.Driver = "Felipe Masa";
    ExpectRefused(d, NotFoundMessage(s.db, NameKind::Driver, "Felipe Masa"), "unknown driver");
    // A new record without notes has no reason code.
    d.Driver = "Felipe Massa";
    d.Notes.clear();
    const DialogSaveResult saved = d.Save(s.db);
    ASSERT_TRUE(saved.Saved());
    EXPECT_EQ(s.db.Results[saved.Record].Reason, 0);
}

TEST_F(EditDialogs, UpdatesStartFromTheRecordAndDeletionsTakeTheSelectedRow) {
    RecordDialog rec;
    ASSERT_TRUE(UpdateRecord1Click(s, rec).Proceed); // the winner's row is selected
    EXPECT_EQ((std::tuple{rec.Driver, rec.TimeToSave, rec.PositionEnabled}),
              (std::tuple{std::string("Felipe Massa"), std::string("1 hr 31:53.751"), false}));
    s.ctx.grid.tablo1.Row = 21;
    EXPECT_EQ(DeleteRecord1Click(s).Message,
              "(Mark Webber - Williams) " + s.langs.MsgConfirmDeleteRecord);
    EXPECT_EQ(DeleteSelectedRecord(s), "");
    const TGPRow& gp = s.db.GPs[Last2006GP()];
    EXPECT_EQ(s.db.ResultDriverName(gp.LastResult - 1), "Ralf Schumacher");
    EXPECT_EQ(s.db.ResultDriverName(gp.LastResult), "Nico Rosberg");
}

} // namespace
} // namespace qor
