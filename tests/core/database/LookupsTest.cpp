// Lookups by text, accessors to text, and the debug lines of misses.

#include "support/Fixtures.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class Lookups : public ::testing::Test {
  protected:
    void SetUp() override {
        db_ = testing::MakeSmallDatabase();
        db_->DebugLines = &debug_;
    }
    std::unique_ptr<The_Class> db_;
    std::vector<std::string> debug_;
};

TEST_F(Lookups, ExactSearchesReturnFirstMatchOrZeroWithDebugLine) {
    EXPECT_EQ(db_->FindDriver("Juan Manuel Fangio"), 2);
    EXPECT_EQ(db_->FindTeam("Ferrari"), 2);
    EXPECT_EQ(db_->FindTrack("Monte Carlo"), 2);
    EXPECT_EQ(db_->FindGP("Monaco"), 2);
    EXPECT_EQ(db_->FindDriverNat("British"), 3);
    EXPECT_TRUE(debug_.empty());

    EXPECT_EQ(db_->FindDriver("juan manuel fangio"), 0); // exact: case-sensitive
    EXPECT_EQ(db_->FindDriver(" Nino Farina"), 0);       // and not trimmed
    EXPECT_EQ(db_->FindTeam("Lotus"), 0);
    EXPECT_EQ(db_->FindGP("Brazil"), 0);
    EXPECT_EQ(db_->FindTrack("Monza"), 0);
    EXPECT_EQ(db_->FindDriverNat("Martian"), 0);
    const std::vector<std::string> expected = {"Debug:pilot bulunamad\xFD: juan manuel fangio",
                                               "Debug:pilot bulunamad\xFD:  Nino Farina",
                                               "Debug:team bulunamad\xFD: Lotus",
                                               "Debug:gp bulunamad\xFD: Brazil",
                                               "Debug:pist bulunamad\xFD: Monza",
                                               "Debug:driver nat bulunamad\xFD: Martian"};
    EXPECT_EQ(debug_, expected);

    // Duplicate names: the first row wins.
    testing::DatabaseBuilder(*db_).Team("Ferrari");
    EXPECT_EQ(db_->FindTeam("Ferrari"), 2);
}

TEST_F(Lookups, MissesAreSilentWithoutADebugList) {
    db_->DebugLines = nullptr;
    EXPECT_EQ(db_->FindDriver("Nobody"), 0);
    EXPECT_EQ(db_->ParseDate("nonsense"), 0);
}

TEST_F(Lookups, CaseInsensitiveDriverSearchFoldsOnlyAsciiLetters) {
    EXPECT_EQ(db_->FindDriverCI("juan manuel FANGIO"), 2);
    testing::DatabaseBuilder b(*db_);
    const auto turkish = b.Driver(Utf8ToCp1254("Şahin Işık"));
    EXPECT_EQ(db_->FindDriverCI(Utf8ToCp1254("şahin işık")), 0); // Ş and ş differ
    EXPECT_EQ(db_->FindDriverCI(Utf8ToCp1254("ŞAHIN IŞIK")), 0);
    EXPECT_EQ(db_->FindDriverCI(Utf8ToCp1254("ŞAHIN Işık")), turkish);
}

TEST_F(Lookups, ReasonSearchTrimsAndEmptyGivesFifteen) {
    EXPECT_EQ(db_->FindReason(""), 15);
    EXPECT_EQ(db_->FindReason("  "), 15);
    EXPECT_EQ(db_->FindReason("  Engine "), 16);
    EXPECT_EQ(db_->FindReason("engine"), 0);
    EXPECT_EQ(db_->FindReason("Pushed over the line"), 0); // notes are not searched
    EXPECT_TRUE(debug_.size() == 2);
}

TEST_F(Lookups, AccessorsGiveUnderscoresOutsideTheirTables) {
    EXPECT_EQ(db_->DriverName(0), "_____");
    EXPECT_EQ(db_->DriverName(1), "Nino Farina");
    EXPECT_EQ(db_->DriverName(db_->DriverCount + 1), "_____");
    EXPECT_EQ(db_->DriverName(60000), "_____");
    EXPECT_EQ(db_->TeamName(3), "ERA");
    EXPECT_EQ(db_->TeamName(4), "_____");
    EXPECT_EQ(db_->GPNameOf(0), "_____");
    EXPECT_EQ(db_->TrackNameOf(1), "Silverstone");
    EXPECT_EQ(db_->ResultDriverName(1), "Nino Farina");
    EXPECT_EQ(db_->ResultTeamName(3), "ERA");
    EXPECT_EQ(db_->DriverNatName(2), "Argentine");
    EXPECT_EQ(db_->DriverNatName(5), "_____"); // nationality 0: unknown
    EXPECT_EQ(db_->TeamCountryName(3), "UK");
    EXPECT_EQ(db_->TeamCountryName(0), "_____");
}

TEST_F(Lookups, ReasonTextCoversReasonsNotesAndZero) {
    EXPECT_EQ(db_->ReasonText(0), "");
    EXPECT_EQ(db_->ReasonText(16), "Engine");
    EXPECT_EQ(db_->ReasonText(db_->ReasonCount + 1), "_____");
    EXPECT_EQ(db_->ReasonText(20000), "_____");
    EXPECT_EQ(db_->ReasonText(20001), "Pushed over the line");
    EXPECT_EQ(db_->ReasonText(20000 + db_->NoteCount + 1), "_____");
    EXPECT_EQ(db_->ReasonText(65535), "_____");
}

TEST_F(Lookups, RemarkTextFollowsTheLanguage) {
    db_->LanguageMode = 1;
    EXPECT_EQ(db_->RemarkText(2), "Rain");
    db_->LanguageMode = 2;
    EXPECT_EQ(db_->RemarkText(2), "Rain");
    db_->LanguageMode = 0;
    EXPECT_EQ(db_->RemarkText(2), "Ya\xF0murlu");
    EXPECT_EQ(db_->RemarkText(0), "_____");
    EXPECT_EQ(db_->RemarkText(3), "_____");
}

TEST_F(Lookups, NumbersYearsAndYearLists) {
    EXPECT_EQ(The_Class::NumText(0), "");
    EXPECT_EQ(The_Class::NumText(7), "7");
    EXPECT_EQ(The_Class::NumText(255), "255");
    EXPECT_EQ(The_Class::YearOfDate(28866), 2006);
    std::vector<std::string> years{"stale"};
    db_->FillYears(years);
    EXPECT_EQ(years, (std::vector<std::string>{"1952", "1951", "1950"}));
    db_->FillTeamYears(years);
    EXPECT_TRUE(years.empty());
    auto full = testing::MakeFullSizeDatabase();
    full->FillTeamYears(years);
    ASSERT_EQ(years.size(), 2010u - 1958u + 1u);
    EXPECT_EQ(years.front(), "2010");
    EXPECT_EQ(years.back(), "1958");
}

TEST_F(Lookups, GPByDateAndGPOfResult) {
    EXPECT_EQ(db_->FindGPByDate("13 May 1950"), 1);
    EXPECT_EQ(db_->FindGPByDate("21 May 1950"), 2);
    EXPECT_EQ(db_->FindGPByDate("19 Jul 1952"), 4);
    EXPECT_EQ(db_->FindGPByDate("20 Jul 1952"), 0);
    EXPECT_EQ(db_->FindGPByDate("19 Jul 1953"), 0); // beyond the last season
    EXPECT_EQ(db_->FindGPByDate("not a date"), 0);

    EXPECT_EQ(db_->GPOfResult(0), 0);
    EXPECT_EQ(db_->GPOfResult(1), 1);
    EXPECT_EQ(db_->GPOfResult(4), 1);
    EXPECT_EQ(db_->GPOfResult(5), 2);
    EXPECT_EQ(db_->GPOfResult(6), 2);
    EXPECT_EQ(db_->GPOfResult(7), 4); // GP 3 is empty
    EXPECT_EQ(db_->GPOfResult(db_->ResultCount), 4);
    EXPECT_EQ(db_->GPOfResult(db_->ResultCount + 1), 0);

    The_Class empty;
    EXPECT_EQ(empty.GPOfResult(1), 0);
    EXPECT_EQ(empty.FindGPByDate("13 May 1950"), 0);
}

TEST(Encoding, RoundTripsTurkishAndReplacesWhatCp1254CannotHold) {
    const std::string utf8 = "Şubat ığüöçİ €";
    const std::string cp = Utf8ToCp1254(utf8);
    EXPECT_EQ(cp, "\xDE"
                  "ubat \xFD\xF0\xFC\xF6\xE7\xDD \x80");
    EXPECT_EQ(Cp1254ToUtf8(cp), utf8);
    EXPECT_EQ(Utf8ToCp1254("Räikkönen 日本"), "R\xE4ikk\xF6nen ??");
    EXPECT_EQ(Utf8ToCp1254("bad \xC3 byte \xFF"), "bad ? byte ?");
    EXPECT_EQ(Cp1254ToUtf8("\x81"), "\xEF\xBF\xBD"); // undefined in the code page
}

} // namespace
} // namespace qor
