// The "Update" menu without widgets, on a copy of the shipped data: the view every command
// needs, the two dialogs' rules and refusals (each leaving the data as it was), the deletions
// and saving.

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

TEST_F(EditDialogs, CommandsNeedAShownGPOfTheLastSeason) {
    GPDialog gp;
    RecordDialog rec;
    // Start-up shows the last GP of 2006: every command may go on.
    EXPECT_EQ(CheckGPView(s).GP, Last2006GP());
    EXPECT_TRUE(UpdateRecord1Click(s, rec).Proceed);
    EXPECT_EQ(rec.Driver, "Felipe Massa");
    EXPECT_EQ(rec.TimeToSave, "1 hr 31:53.751");
    EXPECT_FALSE(rec.PositionEnabled);
    // A table of another kind, then an older season.
    s.RunTableCommand([](TableContext& ctx) { ctx.history.menuekle(0, 0, 150, [] {}); });
    EXPECT_EQ(UpdateGP1Click(s, gp).Message, s.langs.MsgFirstSelectRace);
    ASSERT_TRUE(ShowGPByDate(s.ctx, s.db.GPs[s.db.Seasons[2005].LastGP].Date));
    for (const EditStep& step :
         {UpdateGP1Click(s, gp), NewRecord1Click(s, rec), UpdateRecord1Click(s, rec),
          DeleteRecord1Click(s), DeleteGP1Click(s)})
        EXPECT_EQ(step.Message, s.langs.MsgOnlyLastSeason);
    // "New GP" needs no view.
    EXPECT_TRUE(NewGP1Click(s, gp).Proceed);
}

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

TEST_F(EditDialogs, ANewGPWithTwoResultsIsShownAndSaved) {
    GPDialog gp;
    ASSERT_TRUE(NewGP1Click(s, gp).Proceed);
    gp.DateText = "29.10.2006";
    gp.GPName = "Portugal";
    gp.Track = "Estoril";
    gp.Laps = "70";
    gp.PoleDriver = "Fernando Alonso";
    gp.PoleTime = "01:20.5";
    const DialogSaveResult saved = SaveGPDialog(s, gp);
    ASSERT_TRUE(saved.Saved()) << saved.Message;
    EXPECT_TRUE(s.SaveChangesEnabled);
    EXPECT_EQ(CheckGPView(s).GP, saved.GP); // the browser shows the new GP
    EXPECT_EQ(s.db.GPs[saved.GP].PoleTime, The_Class::ParseTime("01:20.5"));

    RecordDialog rec;
    for (const auto& [driver, style, minutes, seconds] :
         {std::tuple{"Fernando Alonso", StyleWinner, "91", "5"},
          std::tuple{"Felipe Massa", StyleBehind, "0", "75"}}) {
        ASSERT_TRUE(NewRecord1Click(s, rec).Proceed);
        rec.ChooseDriver(s.db, driver);
        rec.Style = style;
        rec.Minutes = rec.BehindMinutes = minutes;
        rec.Seconds = rec.BehindSeconds = seconds;
        rec.Fraction = rec.BehindFraction = "123";
        rec.ComposeTime();
        rec.Position = style == StyleWinner ? "1" : "2";
        ASSERT_TRUE(SaveRecordDialog(s, rec).Saved());
    }
    // Seconds carry into minutes and minutes into hours; the driver's team was chosen.
    const TGPRow& g = s.db.GPs[saved.GP];
    EXPECT_EQ(The_Class::FormatTime(s.db.Results[g.FirstResult].Time), "1 hr 31:05.123");
    EXPECT_EQ(The_Class::FormatTime(s.db.Results[g.LastResult].Time), "+ 01:15.123");
    EXPECT_EQ(s.db.ResultTeamName(g.FirstResult), "Renault");
    EXPECT_EQ(s.db.Results[g.LastResult].Reason, 0); // empty notes
    EXPECT_EQ(s.ctx.grid.tablo1.RowCount(), 3);      // the table was rebuilt

    // Saved, the program started again on the folder shows it.
    EXPECT_EQ(Savechanges1Click(s), "");
    EXPECT_FALSE(s.SaveChangesEnabled);
    MainSession again;
    ASSERT_TRUE(again.Start(dir.path(), {1280, 1024}, settings).Loaded);
    EXPECT_EQ(again.db.GPCount, s.db.GPCount);
    EXPECT_EQ(again.ctx.grid.tablo1.RowCount(), 3);
}

TEST_F(EditDialogs, RecordDialogRules) {
    RecordDialog d;
    ASSERT_TRUE(NewRecord1Click(s, d).Proceed);
    d.TypeNotes("Gear*box & more");
    EXPECT_EQ(d.Notes, "Gearbox  more");
    d.Style = StyleWinner;
    d.Hours = "5";
    d.ComposeTime();
    EXPECT_EQ(d.Hours, "3");
    ExpectRefused(d, "Fill required fields.", "no driver or team");
    d.Driver = "Felipe Masa";
    d.Team = "Ferrari";
    ExpectRefused(d, NotFoundMessage(s.db, NameKind::Driver, "Felipe Masa"), "unknown driver");
}

TEST_F(EditDialogs, DeletionsAndAFailedSave) {
    s.ctx.grid.tablo1.Row = 22; // Nico Rosberg, the last row
    const EditStep ask = DeleteRecord1Click(s);
    EXPECT_EQ(ask.Message, "(Nico Rosberg - Williams) " + s.langs.MsgConfirmDeleteRecord);
    const int results = s.db.ResultCount;
    EXPECT_EQ(DeleteSelectedRecord(s), "");
    EXPECT_EQ(s.db.ResultCount, results - 1);
    EXPECT_EQ(s.db.ResultDriverName(s.db.GPs[Last2006GP()].LastResult), "Mark Webber");
    EXPECT_EQ(s.ctx.grid.tablo1.RowCount(), 22);

    // A save that cannot be written: the write error, the edits kept, "Save changes" enabled.
    const std::string path = s.db.DataFileName;
    s.db.DataFileName = dir.file("missing/f1data5.dat");
    EXPECT_EQ(Savechanges1Click(s), s.langs.MsgWriteError);
    EXPECT_TRUE(s.SaveChangesEnabled);
    EXPECT_EQ(s.db.ResultCount, results - 1);
    s.db.DataFileName = path;

    const int gps = s.db.GPCount;
    EXPECT_EQ(DeleteGP1Click(s).Message,
              s.db.FormatDate(s.db.GPs[Last2006GP()].Date) + " " + s.langs.MsgConfirmDeleteRace);
    EXPECT_EQ(DeleteShownGP(s), "");
    EXPECT_EQ(s.db.GPCount, gps - 1);
    EXPECT_EQ(CheckGPView(s).GP, Last2006GP()); // the new last GP is shown
}

} // namespace
} // namespace qor
