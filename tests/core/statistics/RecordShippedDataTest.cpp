// The record lists on the shipped database: counts a follower of the sport can confirm.

#include "statistics/RecordMenus.h"
#include "statistics/RecordSubject.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using P = RecordProducer;

// Loaded once: every test only reads the database.
The_Class& Shipped() {
    static The_Class* db = [] {
        auto* d = new The_Class();
        d->DataPath = QOR_BIN_DIR "/";
        if (d->LoadDatabase("f1data5.dat", "f1notes5.dat", 1) != 0)
            ADD_FAILURE() << "cannot load the shipped data: " << d->LastError;
        return d;
    }();
    return *db;
}

class RecordShippedData : public ::testing::Test {
  protected:
    The_Class& db = Shipped();
    Langs langs = testing::EnglishLangs();
    TableContext ctx{db, langs};

    std::uint16_t Driver(const char* name) {
        const auto d = db.FindDriver(name);
        EXPECT_NE(d, 0) << name;
        return d;
    }
    std::uint8_t Team(const char* name) {
        const auto t = db.FindTeam(name);
        EXPECT_NE(t, 0) << name;
        return static_cast<std::uint8_t>(t);
    }
    std::uint8_t Track(const char* name) {
        const auto t = db.FindTrack(name);
        EXPECT_NE(t, 0) << name;
        return static_cast<std::uint8_t>(t);
    }
    // The list of `producer` opened on the first record matching `query`: its row count.
    int Count(P producer, RecordKind kind, const RecordSubjectQuery& query) {
        ctx.grid.SelectedRecord = FirstMatchingResult(db, query);
        EXPECT_NE(ctx.grid.SelectedRecord, 0);
        RunRecordProducer(ctx, producer, kind);
        const std::string& count = ctx.grid.tablo1.CountLabel;
        return std::stoi(count.substr(0, count.find(' ')));
    }
    std::string Cell(int col, int row) { return ctx.grid.tablo1.Cell(col, row); }
};

TEST_F(RecordShippedData, CareerRecordsOfChampions) {
    const RecordSubjectQuery schumacher{Driver("Michael Schumacher")};
    EXPECT_EQ(Count(P::DriverAllList, rkWins, schumacher), 91);
    EXPECT_EQ(Cell(1, 1), "30 Aug 1992"); // Spa, his first win
    EXPECT_EQ(Cell(2, 1), "Spa Francorchamps");
    EXPECT_EQ(Cell(4, 1), "Benetton");
    EXPECT_EQ(Cell(1, 91), "01 Oct 2006"); // Shanghai, his last
    EXPECT_EQ(Count(P::DriverAllList, rkPoles, schumacher), 68);
    EXPECT_EQ(Count(P::DriverAllList, rkFastestLaps, schumacher), 76);
    EXPECT_EQ(Count(P::DriverAllList, rkPodiums, schumacher), 154);
    EXPECT_EQ(Count(P::DriverAllList, rkRaces, schumacher), 250);

    const RecordSubjectQuery senna{Driver("Ayrton Senna")};
    EXPECT_EQ(Count(P::DriverAllList, rkPoles, senna), 65);
    EXPECT_EQ(Count(P::DriverAllList, rkWins, senna), 41);
    EXPECT_EQ(Count(P::DriverAllList, rkPodiums, senna), 80);
    EXPECT_EQ(Count(P::DriverAllList, rkFastestLaps, senna), 19);
    // Six wins at Monaco; 1988 with McLaren: 8 wins and 13 poles.
    EXPECT_EQ(Count(P::DriverPistList, rkWins, {senna.Driver, 0, Track("Monte Carlo")}), 6);
    EXPECT_EQ(Count(P::DriverYearList, rkWins, {senna.Driver, 0, 0, 1988}), 8);
    EXPECT_EQ(Count(P::DriverYearList, rkPoles, {senna.Driver, 0, 0, 1988}), 13);
    EXPECT_EQ(Count(P::DriverTeamList, rkWins, {senna.Driver, Team("McLaren")}), 35);
    EXPECT_EQ(ctx.grid.tablo1.TitleLabel, "Ayrton Senna   &&   McLaren   (Wins)");

    EXPECT_EQ(Count(P::DriverAllList, rkWins, {Driver("Alain Prost")}), 51);
    // A shared winning car is the win of each of its drivers: Fangio's 1951 French and 1956
    // Argentine wins are in Fagioli's and Musso's lists too.
    EXPECT_EQ(Count(P::DriverAllList, rkWins, {Driver("Juan Manuel Fangio")}), 24);
    EXPECT_EQ(Count(P::DriverAllList, rkWins, {Driver("Luigi Fagioli")}), 1);
    EXPECT_EQ(Cell(1, 1), "01 Jul 1951");
    EXPECT_EQ(Count(P::DriverAllList, rkWins, {Driver("Luigi Musso")}), 1);
    EXPECT_EQ(Cell(1, 1), "22 Jan 1956");
}

TEST_F(RecordShippedData, TeamAndTrackRecords) {
    const std::uint8_t ferrari = Team("Ferrari");
    EXPECT_EQ(Count(P::TeamAllList, rkWins, {0, ferrari}), 192);
    EXPECT_EQ(Count(P::TeamPistList, rkWins, {0, ferrari, Track("Monza")}), 17);
    EXPECT_EQ(ctx.grid.tablo1.TitleLabel, "Monza - Ferrari   (Wins)");
    // 2002: 15 wins, both cars on the podium often: 17 + 10 podium places.
    EXPECT_EQ(Count(P::TeamYearList, rkWins, {0, ferrari, 0, 2002}), 15);
    EXPECT_EQ(Count(P::TeamYearList, rkPodiums, {0, ferrari, 0, 2002}), 27);
    EXPECT_EQ(Count(P::TeamAllList, rkWins, {0, Team("McLaren")}), 148);
    EXPECT_EQ(Count(P::TeamAllList, rkWins, {0, Team("Williams")}), 113);

    // Monza held every Italian GP but 1980 (Imola): 56 races, one winner each.
    const std::uint8_t monza = Track("Monza");
    EXPECT_EQ(Count(P::AllRaces2Click, rkRaces, {0, 0, monza}), 56);
    EXPECT_EQ(Cell(3, 1), "Nino Farina");
    EXPECT_EQ(Cell(2, 1), "Italy");
    EXPECT_EQ(Count(P::PistRecordList, rkWins, {0, 0, monza}), 56);
    EXPECT_EQ(Count(P::PistRecordList, rkPoles, {0, 0, monza}), 56);
    // Monaco: Senna's six wins among them, and 1996's Panis.
    const std::uint8_t monaco = Track("Monte Carlo");
    Count(P::PistRecordList, rkWins, {0, 0, monaco});
    bool panis = false;
    for (int r = 1; r < ctx.grid.tablo1.RowCount(); ++r)
        panis = panis || (Cell(1, r) == "19 May 1996" && Cell(2, r) == "Olivier Panis");
    EXPECT_TRUE(panis);
}

TEST_F(RecordShippedData, EveryWinIsTheFirstRecordOfItsGP) {
    // The win lists of all drivers add up to the number of GPs with results, and the shared
    // wins of drivers listed second (Fangio's two, Brooks's 1957 British GP).
    int wins = 0;
    int held = 0;
    std::vector<bool> seen(db.DriverCount + 1u, false);
    for (int g = 1; g <= db.GPCount; ++g) {
        const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
        if (gp.FirstResult > gp.LastResult) continue;
        ++held;
        const std::uint16_t d = db.Results[gp.FirstResult].Driver;
        if (seen[d]) continue;
        seen[d] = true;
        ctx.grid.SelectedRecord = gp.FirstResult;
        DriverAllList(ctx, rkWins);
        const std::string& count = ctx.grid.tablo1.CountLabel;
        wins += std::stoi(count.substr(0, count.find(' ')));
    }
    EXPECT_EQ(wins, held + 3);
    EXPECT_GT(held, 700);
}

} // namespace
} // namespace qor
