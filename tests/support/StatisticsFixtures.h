#pragma once
// Fixtures of the statistics tests: producer contexts over a built, the record list or the
// shipped database, readers of the table a producer wrote, and a small driver-career database.

#include "mainwindow/GPBrowser.h"
#include "mainwindow/MainState.h"
#include "statistics/DriverAnalysis.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"
#include "support/RecordDatabase.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace qor::testing {

using Strings = std::vector<std::string>;

// One grid row's cells, column 0 to the key column.
inline Strings RowCells(const GridTable& g, int row) {
    Strings cells;
    for (int c = 0; c < g.ColCount(); ++c)
        cells.push_back(g.Cell(c, row));
    return cells;
}

// The cells of one column over the body rows.
inline Strings ColumnCells(const GridTable& g, int col) {
    Strings cells;
    for (int r = 1; r < g.RowCount(); ++r)
        cells.push_back(g.Cell(col, r));
    return cells;
}

// The key column (result records) of every body row; the blank row of an empty table has none.
inline std::vector<int> KeyCells(const GridTable& g) {
    std::vector<int> keys;
    for (const std::string& k : ColumnCells(g, g.ColCount() - 1))
        if (!k.empty()) keys.push_back(std::stoi(k));
    return keys;
}

// A context over a database the test builds (or is given), with English texts, at zoom 1 on a
// 1280-pixel screen. The right-hand panel is put at 0 so that no table is widened to reach it.
class ProducerTest : public ::testing::Test {
  protected:
    explicit ProducerTest(std::unique_ptr<The_Class> db = std::make_unique<The_Class>())
        : db_(std::move(db)), langs_(EnglishLangs()), b_(*db_) {}

    // Creates the context once the database is complete.
    TableContext& Ctx() {
        if (!ctx_) {
            ctx_ = std::make_unique<TableContext>(*db_, langs_);
            ctx_->grid.ApplyZoom(1.0, 1280);
            ctx_->grid.RightPanelLeft = 0;
        }
        return *ctx_;
    }
    const GridTable& T() { return Ctx().grid.tablo1; }
    std::vector<int> Keys() { return KeyCells(T()); }
    const THistoryEntry& Current() { return Ctx().history.Entry(Ctx().history.HistIndex()); }

    std::unique_ptr<The_Class> db_;
    Langs langs_;
    DatabaseBuilder b_;
    std::unique_ptr<TableContext> ctx_;
};

// The shared context over the shipped database (support/GridFixtures.h), with look-ups.
class ShippedTest : public ::testing::Test {
  protected:
    TableContext& Ctx() { return ctx_; }
    const GridTable& T() { return ctx_.grid.tablo1; }
    std::uint16_t Driver(const char* name) { return db_->FindDriver(name); }
    std::uint8_t Team(const char* name) { return static_cast<std::uint8_t>(db_->FindTeam(name)); }
    std::uint8_t Track(const char* name) { return static_cast<std::uint8_t>(db_->FindTrack(name)); }
    int Count() { return std::stoi(T().CountLabel); } // the number in front of the count label

    TableContext& ctx_ = ShippedContext();
    const The_Class* db_ = &ctx_.db;
};

// The record list database of tests/support/RecordDatabase.h in a producer context.
class RecordListTest : public ProducerTest {
  protected:
    RecordListTest() : ProducerTest(MakeRecordDatabase()) {}
};

// Driver careers for the analysis tests: non-starts at the start and end of a career, a shared
// car, fastest laps and poles of drivers without a record, a driver who never started, and a
// later season with two GPs on one track.
//
// 1950: Silverstone (G1), Monza (G2), Spa (G3); 1951: Silverstone (G4), Spa (G5);
// 1952: Spa (G6); 2005: Monza (G7), Spa (G8), Monza (G9). Seasons between are empty.
// Ann: G1 DNQ (her first entry), G2 win (and a second record, 4th, in a shared car), G3
//      engine failure, G4 second, G5 DNQ (her last entry). Champion 1951. Points 8.5 + 9.
//      Fastest lap G2; poles G2, G4.
// Bob: wins G1, second G2, wins G3, DNS G4, second G5, wins G6, G7, second G8, wins G9.
// Cid: second G1, engine G2, third G3, wins G4, G5, excluded G6, second G7.
// Dan: no record in 1950 but the fastest lap of G1 and the pole of G3; DNPQ in G6.
// Eve: G6 only, a non-start ("DNS - Did not practise").
class AnalysisTest : public ProducerTest {
  protected:
    void SetUp() override {
        ann_ = b_.Driver("Ann Driver", b_.Nationality("Italian"));
        bob_ = b_.Driver("Bob Racer");
        cid_ = b_.Driver("Cid Steady");
        dan_ = b_.Driver("Dan Fast");
        eve_ = b_.Driver("Eve Late");
        alfa_ = b_.Team("Alfa Romeo");
        ferrari_ = b_.Team("Ferrari");
        maserati_ = b_.Team("Maserati");
        const auto silverstone = b_.Track("Silverstone"), monza = b_.Track("Monza"),
                   spa = b_.Track("Spa Francorchamps");
        const auto name = b_.GPName("Grand Prix");
        const auto none = b_.Reason(""), engine = b_.Reason("Engine"), dnq = b_.Reason("DNQ");
        const auto time = [](const char* t) { return The_Class::ParseTime(t); };
        const auto result = [&](std::uint16_t d, std::uint8_t pos, std::uint8_t t, const char* tm,
                                std::uint16_t why) {
            return b_.Result(d, pos, t, *tm ? time(tm) : 0, why);
        };

        g1_ = GP(1950, 5, 13, silverstone, name, dan_, bob_);
        result(bob_, 1, alfa_, "2 hr 13:23.600", none);
        result(cid_, 2, ferrari_, "+2.600", none);
        annG1_ = result(ann_, 0, alfa_, "", dnq);
        g2_ = GP(1950, 6, 4, monza, name, ann_, ann_);
        annG2_ = result(ann_, 1, alfa_, "2 hr 01:10.000", none);
        result(bob_, 2, alfa_, "+10.000", none);
        annG2Shared_ = result(ann_, 4, ferrari_, "+1 lap", none);
        result(cid_, 0, ferrari_, "lap 20", engine);
        g3_ = GP(1950, 7, 2, spa, name, bob_, dan_);
        result(bob_, 1, ferrari_, "3 hr 01:00.000", none);
        result(cid_, 3, ferrari_, "+1:00.000", none);
        annG3_ = result(ann_, 0, ferrari_, "lap 5", engine);
        b_.DriverStanding(1950, bob_, ferrari_, 17.0f);
        b_.DriverStanding(1950, ann_, alfa_, 8.5f);
        b_.DriverStanding(1950, cid_, ferrari_, 4.0f);
        db_->Seasons[1950].ChampDriver = bob_;

        g4_ = GP(1951, 5, 12, silverstone, name, cid_, ann_);
        result(cid_, 1, ferrari_, "2 hr 10:00.000", none);
        annG4_ = result(ann_, 2, ferrari_, "+5.000", none);
        result(bob_, 0, alfa_, "", b_.Reason("DNS"));
        g5_ = GP(1951, 7, 1, spa, name, cid_, cid_);
        result(cid_, 1, ferrari_, "3 hr 00:00.000", none);
        result(bob_, 2, alfa_, "+3.000", none);
        annG5_ = result(ann_, 0, maserati_, "", dnq);
        b_.DriverStanding(1951, ann_, ferrari_, 9.0f);
        b_.DriverStanding(1951, cid_, ferrari_, 8.0f);
        db_->Seasons[1951].ChampDriver = ann_;

        g6_ = GP(1952, 6, 22, spa, name, bob_, bob_);
        result(bob_, 1, alfa_, "3 hr 05:00.000", none);
        cidG6_ = result(cid_, 0, ferrari_, "lap 30", b_.Reason("Excluded (Disq)"));
        eveG6_ = result(eve_, 0, maserati_, "", b_.Reason("DNS - Did not practise"));
        danG6_ = result(dan_, 0, maserati_, "", b_.Reason("DNPQ - Engine"));

        g7_ = b_.GP(2005, 4, 24, monza, name);
        result(bob_, 1, alfa_, "1 hr 30:00.000", none);
        result(cid_, 2, ferrari_, "+1.000", none);
        g8_ = b_.GP(2005, 6, 12, spa, name);
        result(cid_, 1, ferrari_, "1 hr 30:00.000", none);
        result(bob_, 2, alfa_, "+0.500", none);
        g9_ = b_.GP(2005, 9, 4, monza, name);
        result(bob_, 1, alfa_, "1 hr 14:28.659", none);
        db_->RebuildResultIndex(); // poles and fastest laps were set in the rows
    }

    // A GP with its fastest lap and pole.
    std::uint16_t GP(int y, int m, int d, std::uint8_t track, std::uint8_t name, std::uint16_t fl,
                     std::uint16_t pole) {
        const std::uint16_t g = b_.GP(y, m, d, track, name);
        db_->GPs[g].FLDriver = fl;
        db_->GPs[g].FLTime = The_Class::ParseTime("1:50.000");
        db_->GPs[g].PoleDriver = pole;
        db_->GPs[g].PoleTime = The_Class::ParseTime("1:49.000");
        return g;
    }

    // A driver's frame over years from..to (0, 0: the whole career), as "Analyze driver" fills it.
    DriverFrame Frame(std::uint16_t driver, int from = 0, int to = 0) {
        DriverFrame f;
        AnalyzeDriver(*db_, driver, from, to, true, f);
        return f;
    }

    std::uint16_t ann_ = 0, bob_ = 0, cid_ = 0, dan_ = 0, eve_ = 0;
    std::uint8_t alfa_ = 0, ferrari_ = 0, maserati_ = 0;
    std::uint16_t g1_ = 0, g2_ = 0, g3_ = 0, g4_ = 0, g5_ = 0, g6_ = 0, g7_ = 0, g8_ = 0, g9_ = 0;
    std::uint16_t annG1_ = 0, annG2_ = 0, annG2Shared_ = 0, annG3_ = 0, annG4_ = 0, annG5_ = 0;
    std::uint16_t cidG6_ = 0, eveG6_ = 0, danG6_ = 0;
};

} // namespace qor::testing
