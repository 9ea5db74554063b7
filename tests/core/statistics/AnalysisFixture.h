#pragma once
// A small database with the driver careers the analysis tests need: non-starts at the start
// and end of a career, a shared car, fastest laps and poles of drivers without a record, a
// driver who never started, and a later season with two GPs on one track.

#include "BrowserTablesFixture.h"

#include "mainwindow/GPBrowser.h"
#include "statistics/DriverAnalysis.h"

namespace qor::testing {

// 1950: Silverstone (G1), Monza (G2), Spa (G3); 1951: Silverstone (G4), Spa (G5);
// 1952: Spa (G6); 2005: Monza (G7), Spa (G8), Monza (G9). Seasons between are empty.
//
// Ann: G1 DNQ (her first entry), G2 win (and a second record, 4th, in a shared car), G3
//      engine failure, G4 second, G5 DNQ (her last entry). Champion 1951. Points 8.5 + 9.
//      Fastest lap G2; poles G2, G4.
// Bob: wins G1, second G2, wins G3, DNS G4, second G5, wins G6, G7, second G8, wins G9.
//      Champion 1950.
// Cid: second G1, engine G2, third G3, wins G4, G5, excluded G6, second G7.
// Dan: no record in 1950 but the fastest lap of G1 and the pole of G3; DNPQ in G6.
// Eve: G6 only, a non-start ("DNS - Did not practise").
class AnalysisTest : public ProducerTest {
  protected:
    void SetUp() override {
        italian_ = b_.Nationality("Italian");
        ann_ = b_.Driver("Ann Driver", italian_);
        bob_ = b_.Driver("Bob Racer", italian_);
        cid_ = b_.Driver("Cid Steady");
        dan_ = b_.Driver("Dan Fast");
        eve_ = b_.Driver("Eve Late");
        alfa_ = b_.Team("Alfa Romeo");
        ferrari_ = b_.Team("Ferrari");
        maserati_ = b_.Team("Maserati");
        silverstone_ = b_.Track("Silverstone");
        monza_ = b_.Track("Monza");
        spa_ = b_.Track("Spa Francorchamps");
        const auto name = b_.GPName("Grand Prix");
        const auto empty = b_.Reason("");
        const auto engine = b_.Reason("Engine");
        const auto dnq = b_.Reason("DNQ");
        const auto dns = b_.Reason("DNS");
        const auto dnpq = b_.Reason("DNPQ - Engine");
        const auto excluded = b_.Reason("Excluded (Disq)");
        const auto dnp = b_.Reason("DNS - Did not practise");
        const auto time = [](const char* t) { return The_Class::ParseTime(t); };

        g1_ = b_.GP(1950, 5, 13, silverstone_, name);
        b_.Result(bob_, 1, alfa_, time("2 hr 13:23.600"), empty);
        b_.Result(cid_, 2, ferrari_, time("+2.600"), empty);
        annG1_ = b_.Result(ann_, 0, alfa_, 0, dnq);
        Facts(g1_, dan_, bob_);
        g2_ = b_.GP(1950, 6, 4, monza_, name);
        annG2_ = b_.Result(ann_, 1, alfa_, time("2 hr 01:10.000"), empty);
        b_.Result(bob_, 2, alfa_, time("+10.000"), empty);
        annG2Shared_ = b_.Result(ann_, 4, ferrari_, time("+1 lap"), empty);
        b_.Result(cid_, 0, ferrari_, time("lap 20"), engine);
        Facts(g2_, ann_, ann_);
        g3_ = b_.GP(1950, 7, 2, spa_, name);
        b_.Result(bob_, 1, ferrari_, time("3 hr 01:00.000"), empty);
        b_.Result(cid_, 3, ferrari_, time("+1:00.000"), empty);
        annG3_ = b_.Result(ann_, 0, ferrari_, time("lap 5"), engine);
        Facts(g3_, bob_, dan_);
        b_.DriverStanding(1950, bob_, ferrari_, 17.0f);
        b_.DriverStanding(1950, ann_, alfa_, 8.5f);
        b_.DriverStanding(1950, cid_, ferrari_, 4.0f);
        db_->Seasons[1950].ChampDriver = bob_;

        g4_ = b_.GP(1951, 5, 12, silverstone_, name);
        b_.Result(cid_, 1, ferrari_, time("2 hr 10:00.000"), empty);
        annG4_ = b_.Result(ann_, 2, ferrari_, time("+5.000"), empty);
        b_.Result(bob_, 0, alfa_, 0, dns);
        Facts(g4_, cid_, ann_);
        g5_ = b_.GP(1951, 7, 1, spa_, name);
        b_.Result(cid_, 1, ferrari_, time("3 hr 00:00.000"), empty);
        b_.Result(bob_, 2, alfa_, time("+3.000"), empty);
        annG5_ = b_.Result(ann_, 0, maserati_, 0, dnq);
        Facts(g5_, cid_, cid_);
        b_.DriverStanding(1951, ann_, ferrari_, 9.0f);
        b_.DriverStanding(1951, cid_, ferrari_, 8.0f);
        db_->Seasons[1951].ChampDriver = ann_;

        g6_ = b_.GP(1952, 6, 22, spa_, name);
        b_.Result(bob_, 1, alfa_, time("3 hr 05:00.000"), empty);
        cidG6_ = b_.Result(cid_, 0, ferrari_, time("lap 30"), excluded);
        eveG6_ = b_.Result(eve_, 0, maserati_, 0, dnp);
        danG6_ = b_.Result(dan_, 0, maserati_, 0, dnpq);
        Facts(g6_, bob_, bob_);

        g7_ = b_.GP(2005, 4, 24, monza_, name);
        b_.Result(bob_, 1, alfa_, time("1 hr 30:00.000"), empty);
        b_.Result(cid_, 2, ferrari_, time("+1.000"), empty);
        g8_ = b_.GP(2005, 6, 12, spa_, name);
        b_.Result(cid_, 1, ferrari_, time("1 hr 30:00.000"), empty);
        b_.Result(bob_, 2, alfa_, time("+0.500"), empty);
        g9_ = b_.GP(2005, 9, 4, monza_, name);
        bobG9_ = b_.Result(bob_, 1, alfa_, time("1 hr 14:28.659"), empty);
    }

    void Facts(std::uint16_t g, std::uint16_t fl, std::uint16_t pole) {
        db_->GPs[g].FLDriver = fl;
        db_->GPs[g].FLTime = The_Class::ParseTime("1:50.000");
        db_->GPs[g].PoleDriver = pole;
        db_->GPs[g].PoleTime = The_Class::ParseTime("1:49.000");
    }

    // Ann's whole career in a frame, as "Analyze driver" shows it.
    DriverFrame AnnCareer() {
        DriverFrame f;
        AnalyzeDriver(*db_, ann_, 0, 0, true, f);
        return f;
    }

    std::uint8_t italian_ = 0;
    std::uint16_t ann_ = 0, bob_ = 0, cid_ = 0, dan_ = 0, eve_ = 0;
    std::uint8_t alfa_ = 0, ferrari_ = 0, maserati_ = 0;
    std::uint8_t silverstone_ = 0, monza_ = 0, spa_ = 0;
    std::uint16_t g1_ = 0, g2_ = 0, g3_ = 0, g4_ = 0, g5_ = 0, g6_ = 0, g7_ = 0, g8_ = 0, g9_ = 0;
    std::uint16_t annG1_ = 0, annG2_ = 0, annG2Shared_ = 0, annG3_ = 0, annG4_ = 0, annG5_ = 0;
    std::uint16_t cidG6_ = 0, eveG6_ = 0, danG6_ = 0, bobG9_ = 0;
};

} // namespace qor::testing
