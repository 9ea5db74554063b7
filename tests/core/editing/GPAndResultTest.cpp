// Adding, changing and deleting GPs and result rows, with every range that follows.

#include "EditingFixture.h"

namespace qor::testing {
namespace {

struct Range {
    std::uint16_t date, first, last;
    bool operator==(const Range&) const = default;
};

std::vector<Range> GPRanges(const The_Class& db) {
    std::vector<Range> out;
    for (int g = 1; g <= db.GPCount; ++g) {
        const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
        out.push_back({gp.Date, gp.FirstResult, gp.LastResult});
    }
    return out;
}

TGPRow NewGP(int y, int m, int d) {
    TGPRow row{};
    row.Date = PackDate(y, m, d);
    row.Track = 1;
    row.GPName = 1;
    row.Laps = 44;
    return row;
}

using GPEditing = EditingTest;

TEST_F(GPEditing, AddGPInsideASeasonShiftsLaterSeasonsButNoResultRange) {
    const auto before = Snapshot();
    const auto rangesBefore = GPRanges(*db);
    const std::uint16_t next = GPAt(2005, 7, 13); // the GP the new one goes before
    const std::uint16_t nextFirst = db->GPs[next].FirstResult;

    const std::uint16_t g = db->AddGP(NewGP(2005, 6, 20));

    ASSERT_EQ(g, next);
    EXPECT_EQ(db->GPCount, before->GPCount + 1);
    EXPECT_EQ(+db->GPs[g].FirstResult, nextFirst);
    EXPECT_EQ(+db->GPs[g].LastResult, nextFirst - 1);
    EXPECT_EQ(+db->GPs[g].Laps, 44);
    // Every old GP keeps its result range; the new one is the only addition.
    auto ranges = GPRanges(*db);
    ranges.erase(ranges.begin() + (g - 1));
    EXPECT_EQ(ranges, rangesBefore);
    EXPECT_EQ(+db->Seasons[2005].LastGP, before->Seasons[2005].LastGP + 1);
    EXPECT_EQ(+db->Seasons[2006].FirstGP, before->Seasons[2006].FirstGP + 1);
    EXPECT_EQ(+db->Seasons[2006].LastGP, before->Seasons[2006].LastGP + 1);
    for (int y = 1950; y <= 2004; ++y) {
        EXPECT_EQ(+db->Seasons[y].FirstGP, +before->Seasons[y].FirstGP) << y;
        EXPECT_EQ(+db->Seasons[y].LastGP, +before->Seasons[y].LastGP) << y;
    }
    EXPECT_EQ(db->ResultCount, before->ResultCount);
    EXPECT_EQ(db->FindGPByDate(DateText(2005, 6, 20)), g);
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(GPEditing, AddGPAtTheEndOfASeasonAndIntoAnEmptySeason) {
    const std::uint16_t firstOf2006 = db->Seasons[2006].FirstGP;
    const std::uint16_t startOf2006 = db->GPs[firstOf2006].FirstResult;
    EXPECT_EQ(db->AddGP(NewGP(2005, 12, 1)), firstOf2006);
    EXPECT_EQ(+db->GPs[firstOf2006].FirstResult, startOf2006);

    // 1951 has no GP: the new one takes the place (and result start) of 1952's first GP.
    const std::uint16_t gp1952 = db->Seasons[1952].FirstGP;
    const std::uint16_t start1952 = db->GPs[gp1952].FirstResult;
    EXPECT_EQ(db->AddGP(NewGP(1951, 5, 27)), gp1952);
    EXPECT_EQ(+db->GPs[gp1952].FirstResult, start1952);
    EXPECT_EQ(+db->Seasons[1951].FirstGP, gp1952);
    EXPECT_EQ(+db->Seasons[1951].LastGP, gp1952);

    // After the last GP of the last season the results table's end is the start.
    EXPECT_EQ(db->AddGP(NewGP(2006, 12, 31)), db->GPCount);
    EXPECT_EQ(+db->GPs[db->GPCount].FirstResult, db->ResultCount + 1);
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(GPEditing, AddGPRefusalsChangeNothing) {
    const auto before = Snapshot();
    EXPECT_EQ(db->AddGP(NewGP(2006, 5, 9)), 0); // the date of an existing GP
    EXPECT_TRUE(Logged("AddGP failed: GP mevcut"));

    debug.clear();
    EXPECT_EQ(db->AddGP(NewGP(2007, 3, 1)), 0); // seasons are not created by editing
    EXPECT_TRUE(debug.empty());

    TGPRow noDay = NewGP(2006, 8, 1);
    noDay.Date = static_cast<std::uint16_t>(noDay.Date & ~0x1Fu);
    EXPECT_EQ(db->AddGP(noDay), 0);
    TGPRow month13 = NewGP(2006, 8, 1);
    month13.Date = static_cast<std::uint16_t>((56 << 9) | (13 << 5) | 1);
    EXPECT_EQ(db->AddGP(month13), 0);
    EXPECT_TRUE(Logged("Tarih formatı yanlış"));

    for (auto field : {&TGPRow::Track, &TGPRow::GPName, &TGPRow::Remark}) {
        TGPRow bad = NewGP(2006, 8, 1);
        bad.*field = 255;
        EXPECT_EQ(db->AddGP(bad), 0);
    }
    TGPRow badDriver = NewGP(2006, 8, 1);
    badDriver.PoleDriver = static_cast<std::uint16_t>(db->DriverCount + 1);
    EXPECT_EQ(db->AddGP(badDriver), 0);
    EXPECT_TRUE(Logged("AddGP failed: geçersiz indeks"));
    EXPECT_EQ(FirstDifference(*db, *before), "");

    // A full GP table.
    db->GPCount = MaxGPs;
    const auto full = Snapshot();
    EXPECT_EQ(db->AddGP(NewGP(2006, 8, 1)), 0);
    EXPECT_TRUE(Logged("Yer yok."));
    EXPECT_EQ(FirstDifference(*db, *full), "");
}

TEST_F(GPEditing, UpdateGPKeepsRangesAndReservedBytes) {
    const std::uint16_t g = GPAt(2006, 4, 7);
    db->GPs[g].Reserved = 0xDEADBEEF;
    const TGPRow old = db->GPs[g];
    TGPRow row = NewGP(2006, 4, 7);
    row.FirstResult = 1; // ignored
    row.LastResult = 900;
    row.Reserved = 7;
    row.FLDriver = 2;
    db->UpdateGP(row);
    EXPECT_EQ(+db->GPs[g].FirstResult, +old.FirstResult);
    EXPECT_EQ(+db->GPs[g].LastResult, +old.LastResult);
    EXPECT_EQ(+db->GPs[g].Reserved, 0xDEADBEEFu);
    EXPECT_EQ(+db->GPs[g].Laps, 44);
    EXPECT_EQ(+db->GPs[g].FLDriver, 2);
    EXPECT_EQ(+db->GPs[g].Track, 1);

    const auto before = Snapshot();
    db->UpdateGP(NewGP(2006, 4, 8));
    EXPECT_TRUE(Logged("UpdateGP failed: Gp bulunamadı."));
    TGPRow bad = NewGP(2006, 4, 7);
    bad.FLDriver = 9999;
    db->UpdateGP(bad);
    EXPECT_EQ(FirstDifference(*db, *before), "");
}

TEST_F(GPEditing, DeleteGPMovesEveryLaterRange) {
    const auto before = Snapshot();
    const std::uint16_t g = GPAt(2005, 4, 7);
    const TGPRow gone = db->GPs[g];
    const int n = gone.LastResult - gone.FirstResult + 1;
    ASSERT_EQ(n, 12);
    const TResultRec firstAfter = db->Results[gone.LastResult + 1u];

    EXPECT_EQ(db->DeleteGP(DateText(2005, 4, 7)), g);

    EXPECT_EQ(db->GPCount, before->GPCount - 1);
    EXPECT_EQ(db->ResultCount, before->ResultCount - n);
    EXPECT_EQ(db->FindGPByDate(DateText(2005, 4, 7)), 0);
    for (int k = g; k <= db->GPCount; ++k) {
        EXPECT_EQ(+db->GPs[k].Date, +before->GPs[k + 1u].Date);
        EXPECT_EQ(+db->GPs[k].FirstResult, before->GPs[k + 1u].FirstResult - n);
        EXPECT_EQ(+db->GPs[k].LastResult, before->GPs[k + 1u].LastResult - n);
    }
    EXPECT_EQ(std::memcmp(&db->Results[gone.FirstResult], &firstAfter, sizeof firstAfter), 0);
    EXPECT_EQ(+db->Seasons[2005].LastGP, before->Seasons[2005].LastGP - 1);
    EXPECT_EQ(+db->Seasons[2006].FirstGP, before->Seasons[2006].FirstGP - 1);
    EXPECT_EQ(+db->Seasons[2006].LastGP, before->Seasons[2006].LastGP - 1);
    // Standings are the caller's business.
    EXPECT_EQ(db->DriverStandingCount, before->DriverStandingCount);
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(GPEditing, DeleteGPOfAnUnknownDateChangesNothing) {
    const auto before = Snapshot();
    EXPECT_EQ(db->DeleteGP(DateText(2005, 4, 8)), 0);
    EXPECT_TRUE(Logged("GP yok. " + Cp1254ToUtf8(DateText(2005, 4, 8))));
    EXPECT_EQ(db->DeleteGP("not a date"), 0);
    EXPECT_EQ(db->DeleteGP(""), 0);
    EXPECT_EQ(db->DeleteGP(DateText(2009, 4, 7)), 0);
    EXPECT_EQ(FirstDifference(*db, *before), "");
}

TEST_F(GPEditing, DeleteGPFindsTheYearFromTheGPNotFromTheTextLayout) {
    // "7 apr 2005" does not hold the year at characters 8..11, but names the GP all the same.
    const std::uint16_t g = GPAt(2005, 4, 7);
    EXPECT_EQ(db->DeleteGP("7 apr 2005"), g);
    EXPECT_EQ(FirstViolation(*db), "");
}

using ResultEditing = EditingTest;

TEST_F(ResultEditing, UnplacedRowsCountAsPosition100) {
    ASSERT_NE(db->AddGP(NewGP(2006, 9, 1)), 0);
    const std::string date = DateText(2006, 9, 1);
    for (int pos : {1, 2, 0})
        db->AddResult(Rec(static_cast<std::uint8_t>(pos)), date);
    const std::uint16_t g = GPAt(2006, 9, 1);
    const std::uint16_t added = db->AddResult(Rec(0, 17), date);
    EXPECT_EQ(added, +db->GPs[g].LastResult); // appended behind the unplaced row
    EXPECT_EQ(Positions(g), (std::vector<int>{1, 2, 0, 0}));
    EXPECT_EQ(+db->Results[added].Reason, 17); // equal positions keep entry order

    ASSERT_NE(db->AddGP(NewGP(2006, 9, 2)), 0);
    const std::string date2 = DateText(2006, 9, 2);
    for (int pos : {1, 2, 4, 0})
        db->AddResult(Rec(static_cast<std::uint8_t>(pos)), date2);
    const std::uint16_t g2 = GPAt(2006, 9, 2);
    EXPECT_EQ(db->AddResult(Rec(3), date2), db->GPs[g2].FirstResult + 2);
    EXPECT_EQ(Positions(g2), (std::vector<int>{1, 2, 3, 4, 0}));
    // A placed row goes in front of the unplaced ones, not behind them.
    db->AddResult(Rec(7), date2);
    EXPECT_EQ(Positions(g2), (std::vector<int>{1, 2, 3, 4, 7, 0}));
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(ResultEditing, AddResultShiftsEveryLaterGP) {
    const auto before = Snapshot();
    const std::uint16_t g = GPAt(1950, 5, 13); // the first GP: every later row moves
    const std::uint16_t i = db->AddResult(Rec(2, 16), DateText(1950, 5, 13));
    EXPECT_EQ(i, 3); // after the existing second place
    EXPECT_EQ(db->ResultCount, before->ResultCount + 1);
    EXPECT_EQ(+db->GPs[g].LastResult, before->GPs[g].LastResult + 1);
    for (int k = g + 1; k <= db->GPCount; ++k) {
        EXPECT_EQ(+db->GPs[k].FirstResult, before->GPs[k].FirstResult + 1);
        EXPECT_EQ(+db->GPs[k].LastResult, before->GPs[k].LastResult + 1);
    }
    EXPECT_EQ(std::memcmp(&db->Results[db->ResultCount], &before->Results[before->ResultCount],
                          sizeof(TResultRec)),
              0);
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(ResultEditing, AddResultRefusalsChangeNothing) {
    const auto before = Snapshot();
    EXPECT_EQ(db->AddResult(Rec(1), DateText(2006, 9, 9)), 0); // no such GP
    EXPECT_TRUE(Logged("Kayıt ekle: GP yok. " + Cp1254ToUtf8(DateText(2006, 9, 9))));
    EXPECT_EQ(db->AddResult(Rec(1), "garbage"), 0);
    TResultRec bad = Rec(1);
    bad.Driver = static_cast<std::uint16_t>(db->DriverCount + 1);
    EXPECT_EQ(db->AddResult(bad, DateText(2006, 3, 5)), 0);
    bad = Rec(1);
    bad.Team = static_cast<std::uint8_t>(db->TeamCount + 1);
    EXPECT_EQ(db->AddResult(bad, DateText(2006, 3, 5)), 0);
    bad = Rec(1, static_cast<std::uint16_t>(db->ReasonCount + 1));
    EXPECT_EQ(db->AddResult(bad, DateText(2006, 3, 5)), 0);
    bad = Rec(1, static_cast<std::uint16_t>(NoteCodeBase + db->NoteCount + 1));
    EXPECT_EQ(db->AddResult(bad, DateText(2006, 3, 5)), 0);
    EXPECT_EQ(FirstDifference(*db, *before), "");

    db->ResultCount = MaxResults; // only the counter: the check comes first
    const auto full = Snapshot();
    EXPECT_EQ(db->AddResult(Rec(1), DateText(2006, 3, 5)), 0);
    EXPECT_TRUE(Logged("Yer yok."));
    EXPECT_EQ(FirstDifference(*db, *full), "");
}

TEST_F(ResultEditing, ZeroIndexesAreReportedButStored) {
    const TResultRec rec{0, 0, 0, 0, 0, 0};
    EXPECT_NE(db->AddResult(rec, DateText(2006, 3, 5)), 0);
    EXPECT_TRUE(Logged("Kayıt: ismi hatalı."));
    EXPECT_TRUE(Logged("Kayıt: takım hatalı."));
    EXPECT_TRUE(Logged("Kayıt: açıklama hatalı."));
    EXPECT_FALSE(Logged("Kayıt: zaman hatalı.")); // only SetResult checks the time
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(ResultEditing, DeleteResultByRowWithinTheGP) {
    const auto before = Snapshot();
    const std::uint16_t g = GPAt(2005, 5, 9);
    const int first = db->GPs[g].FirstResult;
    EXPECT_EQ(db->DeleteResult(DateText(2005, 5, 9), 3), first + 2);
    EXPECT_EQ(+db->GPs[g].LastResult, before->GPs[g].LastResult - 1);
    EXPECT_EQ(+db->Results[first + 2u].Pos, 4);
    for (int k = g + 1; k <= db->GPCount; ++k)
        EXPECT_EQ(+db->GPs[k].FirstResult, before->GPs[k].FirstResult - 1);
    EXPECT_EQ(db->ResultCount, before->ResultCount - 1);
    EXPECT_EQ(FirstViolation(*db), "");
}

TEST_F(ResultEditing, DeleteResultOutsideTheGPChangesNothing) {
    const auto before = Snapshot();
    const std::string date = DateText(2005, 5, 9);
    EXPECT_EQ(db->DeleteResult(date, 13), 0); // the GP has 12 rows
    EXPECT_TRUE(Logged("Kayıt sil: Geçesiz Row"));
    EXPECT_EQ(db->DeleteResult(date, 0), 0); // would be the previous GP's last row
    EXPECT_EQ(db->DeleteResult(date, -4), 0);
    EXPECT_EQ(db->DeleteResult(DateText(2005, 5, 10), 1), 0);
    EXPECT_TRUE(Logged("Kayıt sil: GP yok. " + Cp1254ToUtf8(DateText(2005, 5, 10))));
    // An empty GP has no row 1.
    EXPECT_EQ(db->DeleteResult(DateText(1950, 5, 22), 1), 0);
    EXPECT_EQ(FirstDifference(*db, *before), "");
}

TEST_F(ResultEditing, SetResultReplacesARowInPlace) {
    const std::uint16_t g = GPAt(2005, 5, 9);
    const int row = db->GPs[g].FirstResult + 4;
    TResultRec rec = db->Results[row];
    rec.Time = 0;
    rec.Grid = 22;
    rec.Reason = 16;
    db->SetResult(rec, row);
    EXPECT_TRUE(Logged("Kayıt: zaman hatalı."));
    EXPECT_EQ(+db->Results[row].Grid, 22);
    EXPECT_EQ(+db->Results[row].Reason, 16);
    EXPECT_EQ(+db->Results[row].Time, 0u);
}

TEST_F(ResultEditing, SetResultRefusalsChangeNothing) {
    const auto before = Snapshot();
    db->SetResult(Rec(1), 0);
    db->SetResult(Rec(1), db->ResultCount + 1);
    db->SetResult(Rec(1), -3);
    EXPECT_TRUE(Logged("SetResult failed: Geçersiz Row"));
    const int row = db->GPs[GPAt(2005, 5, 9)].FirstResult + 4; // fifth place
    TResultRec rec = db->Results[row];
    rec.Driver = 30000;
    db->SetResult(rec, row);
    // A new position that no longer fits between the neighbours would break the order.
    rec = db->Results[row];
    rec.Pos = 9;
    db->SetResult(rec, row);
    rec.Pos = 0;
    db->SetResult(rec, row);
    EXPECT_TRUE(Logged("SetResult failed: sıra bozuk"));
    EXPECT_EQ(FirstDifference(*db, *before), "");
}

TEST_F(ResultEditing, FirstResultOfADriverOrTeam) {
    const std::uint16_t farina = db->FindDriver("Nino Farina");
    EXPECT_EQ(db->FirstDriverResult("Nino Farina", ""), 1);
    EXPECT_EQ(+db->Results[1].Driver, farina);
    // On Monte Carlo his first result is in the second GP.
    const std::uint16_t monaco = db->Seasons[1950].FirstGP + 1;
    EXPECT_EQ(db->FirstDriverResult("Nino Farina", "Monte Carlo"), db->GPs[monaco].FirstResult + 1);
    EXPECT_EQ(db->FirstDriverResult("Nino Farina", "No such track"), 1); // any track
    EXPECT_EQ(db->FirstDriverResult("Nobody", ""), 0);
    EXPECT_EQ(db->FirstDriverResult("Ayrton Senna", ""), 0); // no results
    EXPECT_EQ(db->FirstTeamResult("Ferrari", ""), +db->GPs[db->Seasons[1952].FirstGP].FirstResult);
    EXPECT_EQ(db->FirstTeamResult("Renault", "Monza"),
              db->GPs[GPAt(2005, 7, 13)].FirstResult + 2); // third row there
    EXPECT_EQ(db->FirstTeamResult("Nobody", ""), 0);
}

} // namespace
} // namespace qor::testing
