// Track statistics: best laps since 1980 and the 2000 rule, the leaders of each track, the
// fixed-pitch lines and their order, and the clicks that lead into the main window.

#include "BrowserTablesFixture.h"

#include "mainwindow/GPBrowser.h"
#include "statistics/TrackStatistics.h"

namespace qor::testing {
namespace {

std::string Blanks(std::size_t n) {
    return std::string(n, ' ');
}

TEST(TrackStatsLapTime, LapsCompareByLengthNotByCodeBits) {
    const std::uint32_t a = The_Class::ParseTime("1:20.300");
    const std::uint32_t b = The_Class::ParseTime("1:21.100");
    // The fraction's high bits lie above the minutes: the faster lap has the larger code.
    ASSERT_GT(a, b);
    EXPECT_EQ(LapThousandths(a), 80300u);
    EXPECT_EQ(LapThousandths(b), 81100u);
    // A stored hundredths value: 1:20.30 with the precision flag clear.
    const std::uint32_t hundredths = (1u << 29) | (1u << 16) | (20u << 8) | 30u;
    EXPECT_EQ(LapThousandths(hundredths), 80300u);
    EXPECT_EQ(LapThousandths(The_Class::ParseTime("1 hr 02:03.004")), 3723004u);
}

TEST(TrackStatsPadRight, PadsShortTextsAndKeepsLongOnes) {
    EXPECT_EQ(PadRight("Monza", 8), "Monza   ");
    EXPECT_EQ(PadRight("Monza", 5), "Monza");
    EXPECT_EQ(PadRight("Spa Francorchamps", 4), "Spa Francorchamps");
}

// Tracks (in index order) Monza, Imola, Zandvoort, Barcelona, Hockenheim.
//   Monza: 1975 (before 1980: ignored), 1998 Dan, 2001 Cid 1:20.300, 2002 Bob 1:21.100,
//          2003 Ann 1:20.300 (equal).
//   Imola: 1995 Bob 1:25.000, 2001 Cid 1:26.000: raced since 2000, record older.
//   Zandvoort: 1985 only.
//   Barcelona: 15 May 2002 Ann 1:18.000, 2003 Bob 1:18.500.
//   Hockenheim: 2002 without a fastest-lap time (Bob pole and winner), 2003 Ann everything.
class TrackStatsTest : public ProducerTest {
  protected:
    void SetUp() override {
        ann_ = b_.Driver("Ann Driver");
        bob_ = b_.Driver("Bob Racer");
        cid_ = b_.Driver("Cid Quick");
        dan_ = b_.Driver("Dan Slow");
        team_ = b_.Team("Ferrari");
        monza_ = b_.Track("Monza");
        imola_ = b_.Track("Imola");
        zandvoort_ = b_.Track("Zandvoort");
        barcelona_ = b_.Track("Barcelona");
        hockenheim_ = b_.Track("Hockenheim");
        name_ = b_.GPName("Grand Prix");

        GP(1975, 9, 7, monza_, dan_, "1:00.000", dan_, {dan_});
        GP(1985, 8, 25, zandvoort_, bob_, "1:16.000", bob_, {bob_});
        GP(1995, 4, 30, imola_, bob_, "1:25.000", bob_, {bob_});
        GP(1998, 9, 13, monza_, dan_, "1:25.000", dan_, {dan_});
        GP(2001, 4, 15, imola_, cid_, "1:26.000", cid_, {cid_});
        monzaRecordGP_ = GP(2001, 9, 16, monza_, cid_, "1:20.300", bob_, {bob_, cid_});
        GP(2002, 4, 14, imola_, cid_, "1:27.000", cid_, {cid_});
        barcelonaGP_ = GP(2002, 5, 15, barcelona_, ann_, "1:18.000", ann_, {ann_});
        GP(2002, 7, 28, hockenheim_, 0, "", bob_, {bob_});
        GP(2002, 9, 15, monza_, bob_, "1:21.100", cid_, {cid_, bob_});
        GP(2003, 5, 4, barcelona_, bob_, "1:18.500", bob_, {bob_});
        GP(2003, 8, 3, hockenheim_, ann_, "1:14.000", ann_, {ann_});
        // Bob's first record is unplaced: nobody won.
        GP(2003, 9, 14, monza_, ann_, "1:20.300", bob_, {bob_}, 0);
        FillYearLists(Ctx());
    }

    // A GP with its fastest lap, pole and results (the first classified `firstPos`).
    std::uint16_t GP(int y, int m, int d, std::uint8_t track, std::uint16_t fl,
                     const std::string& flTime, std::uint16_t pole,
                     std::vector<std::uint16_t> drivers, std::uint8_t firstPos = 1) {
        const auto g = b_.GP(y, m, d, track, name_);
        std::uint8_t pos = firstPos;
        for (const auto driver : drivers) {
            b_.Result(driver, pos, team_, The_Class::ParseTime("1 hr 20:00.000"), 0);
            if (pos != 0) ++pos;
        }
        db_->GPs[g].FLDriver = fl;
        db_->GPs[g].FLTime = flTime.empty() ? 0 : The_Class::ParseTime(flTime);
        db_->GPs[g].PoleDriver = pole;
        return g;
    }

    std::uint16_t ann_ = 0, bob_ = 0, cid_ = 0, dan_ = 0;
    std::uint8_t team_ = 0, name_ = 0;
    std::uint8_t monza_ = 0, imola_ = 0, zandvoort_ = 0, barcelona_ = 0, hockenheim_ = 0;
    std::uint16_t monzaRecordGP_ = 0, barcelonaGP_ = 0;
};

TEST_F(TrackStatsTest, BestLapsSince1980AndTheRecentRule) {
    const std::vector<TrackLapRecord> r = BestTrackLaps(*db_);
    ASSERT_EQ(r.size(), 6u);
    // Monza: Cid's 1:20.300 of 2001 stands against Bob's slower 1:21.100 (whose code is the
    // smaller one) and Ann's equal lap of 2003; Dan's 1975 lap does not count.
    const TrackLapRecord& monza = r[monza_];
    EXPECT_EQ(monza.Driver, cid_);
    EXPECT_EQ(monza.Time, The_Class::ParseTime("1:20.300"));
    EXPECT_EQ(monza.Date, PackDate(2001, 9, 16));
    EXPECT_EQ(monza.Recent, 1);
    // Imola's record is from 1995; Zandvoort was not raced after 1999.
    EXPECT_EQ(r[imola_].Date, PackDate(1995, 4, 30));
    EXPECT_EQ(r[imola_].Recent, 0);
    EXPECT_EQ(r[zandvoort_].Recent, 0);
    EXPECT_EQ(r[hockenheim_].Driver, ann_);

    const TrackStatistics s = PistStatistics1Click(*db_);
    for (const auto& list : s.Lists)
        ASSERT_EQ(list.size(), 4u); // header, Barcelona, Hockenheim, Monza
    EXPECT_EQ(s.List(1)[0], "Pist                  Driver                     Lap Time");
    EXPECT_EQ(s.List(1)[1], "Barcelona" + Blanks(13) + "Ann Driver" + Blanks(17) + "01:18.00" +
                                Blanks(12) + "15 May 2002");
    // A lap time of 8 characters pushes the date to the right.
    EXPECT_EQ(s.List(1)[3], "Monza" + Blanks(17) + "Cid Quick" + Blanks(18) + "01:20.30" +
                                Blanks(12) + "16 Sep 2001");
}

TEST_F(TrackStatsTest, LeadersCountOnlyGPsWithAFastestLapTime) {
    // Hockenheim 2002 has no fastest-lap time: Bob's pole and win there count for nothing.
    const TrackLeaders h = CountTrackLeaders(*db_, hockenheim_);
    EXPECT_EQ(h.FastestLaps.Driver, ann_);
    EXPECT_EQ(h.Poles.Driver, ann_);
    EXPECT_EQ(h.Poles.Count, 1);
    EXPECT_EQ(h.Wins.Driver, ann_);
    EXPECT_EQ(h.Wins.Count, 1);
    // Monza since 1980: fastest laps Dan, Cid, Bob, Ann once each: the lowest index leads.
    // Poles Dan, Bob, Cid, Bob. Wins Dan, Bob, Cid (2003's first record is unplaced).
    const TrackLeaders m = CountTrackLeaders(*db_, monza_);
    EXPECT_EQ(m.FastestLaps.Driver, ann_);
    EXPECT_EQ(m.FastestLaps.Count, 1);
    EXPECT_EQ(m.Poles.Driver, bob_);
    EXPECT_EQ(m.Poles.Count, 2);
    EXPECT_EQ(m.Wins.Driver, bob_);
    EXPECT_EQ(m.Wins.Count, 1);

    const TrackStatistics s = PistStatistics1Click(*db_);
    EXPECT_EQ(s.List(3)[0], "Pist                  Driver                     Count");
    EXPECT_EQ(s.List(3)[3], "Monza" + Blanks(17) + "Bob Racer" + Blanks(18) + "2" + Blanks(5));
    EXPECT_EQ(s.List(2)[2],
              "Hockenheim" + Blanks(12) + "Ann Driver" + Blanks(17) + "1" + Blanks(5));
    EXPECT_EQ(s.List(4)[1], "Barcelona" + Blanks(13) + "Ann Driver" + Blanks(17) + "1" + Blanks(5));
}

TEST_F(TrackStatsTest, ABestLapLineShowsItsGP) {
    const TrackStatistics s = PistStatistics1Click(*db_);
    // The header line does nothing.
    EXPECT_EQ(s.ListBox1Click(Ctx(), 0), "");
    EXPECT_EQ(Ctx().history.HistCount(), 0);
    // The Barcelona record of 15 May 2002 (a day of two digits).
    EXPECT_EQ(s.ListBox1Click(Ctx(), 1), "");
    EXPECT_EQ(Ctx().browser.YearIndex, YearBoxIndex(Ctx(), 2002));
    EXPECT_EQ(Ctx().browser.GPIndex, barcelonaGP_ - db_->Seasons[2002].FirstGP);
    EXPECT_EQ(Current().Kind, history_kind::GPResults);
    EXPECT_EQ(T().Cell(1, 1), "Ann Driver");
}

TEST_F(TrackStatsTest, ALineWhoseGPIsGoneSaysSo) {
    const TrackStatistics s = PistStatistics1Click(*db_);
    db_->GPs[monzaRecordGP_].Date = PackDate(2001, 9, 17);
    EXPECT_EQ(s.ListBox1Click(Ctx(), 3), "GP is not exist");
    EXPECT_EQ(Ctx().browser.YearIndex, -1);
    EXPECT_EQ(Ctx().history.HistCount(), 0);
}

TEST_F(TrackStatsTest, ALeaderLineListsThatDriversRecordsOnTheTrack) {
    const TrackStatistics s = PistStatistics1Click(*db_);
    const MenuItemCall wins = s.ListBox4Click(*db_, PistListWins, 3);
    EXPECT_EQ(wins.Item, "wins1");
    // Bob's first record at Monza: 2001.
    EXPECT_EQ(wins.SelectedRecord, db_->GPs[monzaRecordGP_].FirstResult);
    EXPECT_EQ(s.ListBox4Click(*db_, PistListFastestLaps, 1).Item, "FL1");
    const MenuItemCall poles = s.ListBox4Click(*db_, PistListPoles, 1);
    EXPECT_EQ(poles.Item, "poles1");
    EXPECT_EQ(poles.SelectedRecord, db_->GPs[barcelonaGP_].FirstResult);
    EXPECT_TRUE(s.ListBox4Click(*db_, PistListWins, 0).Empty());
    EXPECT_TRUE(s.ListBox4Click(*db_, PistListWins, 4).Empty());
    EXPECT_TRUE(s.ListBox4Click(*db_, PistListBestLap, 1).Empty());
}

TEST(TrackStatsCaptions, WindowTextsComeFromTheStringTable) {
    const PistCaptions c = PistWindowCaptions(EnglishLangs());
    EXPECT_EQ(c.Window, "Pist Statistics");
    EXPECT_EQ(c.Buttons,
              (std::array<std::string, 4>{"Best Fastest Lap Owner", "Most Fastest Lap Owner",
                                          "Most Pole Position Winner", "Most Race Winner"}));
    EXPECT_EQ(c.TopLabel, "GPs:1980-todate,  Pists: 2000-todate");
}

class TrackStatsShipped : public ShippedTest {};

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

const std::string* LineOf(const std::vector<std::string>& list, const std::string& track) {
    for (const std::string& line : list)
        if (StartsWith(line, PadRight(track, 22))) return &line;
    return nullptr;
}

TEST_F(TrackStatsShipped, RecordsAndLeadersOf2006Tracks) {
    const TrackStatistics s = PistStatistics1Click(*db_);
    // Every list has the same tracks; Silverstone's best lap since 1980 is from the old layout.
    EXPECT_EQ(s.List(1).size(), 20u);
    EXPECT_EQ(LineOf(s.List(1), "Silverstone"), nullptr);
    const std::uint8_t silverstone = static_cast<std::uint8_t>(db_->FindTrack("Silverstone"));
    EXPECT_LT(The_Class::YearOfDate(BestTrackLaps(*db_)[silverstone].Date), 2000);

    const std::string* monza = LineOf(s.List(1), "Monza");
    ASSERT_NE(monza, nullptr);
    EXPECT_EQ(*monza, PadRight("Monza", 22) + PadRight("Rubens Barrichello", 27) + "01:21.046" +
                          Blanks(12) + "12 Sep 2004");
    const std::string* monaco = LineOf(s.List(PistListWins), "Monte Carlo");
    ASSERT_NE(monaco, nullptr);
    EXPECT_EQ(*monaco, PadRight(PadRight("Monte Carlo", 22) + "Ayrton Senna", 49) + "6     ");

    // Clicking Monza's record shows the Italian GP of 2004.
    FillYearLists(Ctx());
    const int index = static_cast<int>(monza - s.List(1).data());
    EXPECT_EQ(s.ListBox1Click(Ctx(), index), "");
    EXPECT_EQ(Ctx().browser.Years[static_cast<std::size_t>(Ctx().browser.YearIndex)], "2004");
    EXPECT_NE(T().TitleLabel.find("Monza"), std::string::npos);
}

} // namespace
} // namespace qor::testing
