// Lookups by text, accessors to text, and the debug lines of misses.

#include "support/Fixtures.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class Lookups : public ::testing::Test {
  protected:
    void SetUp() override { db_->DebugLines = &debug_; }
    std::unique_ptr<The_Class> db_ = testing::MakeSmallDatabase();
    std::vector<std::string> debug_;
};

TEST_F(Lookups, SearchesByText) {
    testing::DatabaseBuilder b(*db_);
    b.Team("Ferrari"); // a duplicate: the first row wins
    const auto turkish = b.Driver(Utf8ToCp1254("Şahin Işık"));
    const struct {
        int got, expected;
        const char* why;
    } cases[] = {
        {db_->FindDriver("Juan Manuel Fangio"), 2, "exact"},
        {db_->FindTeam("Ferrari"), 2, "first of two"},
        {db_->FindDriverNat("British"), 3, "the last row"},
        {db_->FindDriver("juan manuel fangio"), 0, "exact search is case-sensitive"},
        {db_->FindDriver(" Nino Farina"), 0, "and not trimmed"},
        // clang-format off
        {db_->FindTeam("Lotus"), 0, "miss"}, {db_->FindTrack("Monza"), 0, "miss"},
        {db_->FindGP("Brazil"), 0, "miss"}, {db_->FindDriverNat("Martian"), 0, "miss"},
        // clang-format on
        {db_->FindDriverCI("juan manuel FANGIO"), 2, "folds ASCII letters"},
        {db_->FindDriverCI(Utf8ToCp1254("şahin işık")), 0, "but not Ş and ş"},
        {db_->FindDriverCI(Utf8ToCp1254("ŞAHIN Işık")), turkish, "nor ı and I"},
        {db_->FindReason("  "), EmptyReasonCode, "blank: the empty description"},
        {db_->FindReason("  Engine "), 16, "trimmed"},
        {db_->FindReason("engine"), 0, "case-sensitive"},
        {db_->FindReason("Pushed over the line"), 0, "notes are not searched"},
        {db_->FindGPByDate("21 May 1950"), 2, "a GP's date"},
        {db_->FindGPByDate("20 Jul 1952"), 0, "no GP that day"},
        {db_->FindGPByDate("19 Jul 1953"), 0, "beyond the last season"},
        {db_->FindGPByDate("not a date"), 0, "no date"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected) << c.why;
    const auto miss = [](const char* table, const std::string& text) {
        return "Debug:" + std::string(table) + " bulunamad\xFD: " + text;
    };
    // clang-format off
    const std::vector<std::string> misses = {
        miss("pilot", "juan manuel fangio"), miss("pilot", " Nino Farina"), miss("team", "Lotus"),
        miss("pist", "Monza"), miss("gp", "Brazil"), miss("driver nat", "Martian"),
        miss("pilot", "\xFE" "ahin i\xFE\xFDk"), miss("reason", "engine"),
        miss("reason", "Pushed over the line"), "Debug:Tarih format\xFD yanl\xFD\xFE"};
    // clang-format on
    EXPECT_EQ(debug_, misses);
    db_->DebugLines = nullptr;
    EXPECT_EQ(db_->FindTeam("Lotus"), 0); // silent without a debug list
}

TEST_F(Lookups, AccessorsGiveUnderscoresOutsideTheirTables) {
    db_->LanguageMode = 0;
    const int newcomer = db_->AddDriver("Nino Newcomer", ""); // added without a nationality
    ASSERT_NE(newcomer, 0);
    db_->DriverNat[4] = 49; // beyond the nationalities
    db_->TeamCountry[1] = 0;
    // clang-format off
    const std::string outside[] = {
        db_->DriverName(0), db_->DriverName(db_->DriverCount + 1), db_->DriverName(60000),
        db_->TeamName(4), db_->DriverNatName(4), db_->DriverNatName(db_->DriverCount + 1),
        db_->ReasonText(db_->ReasonCount + 1), db_->ReasonText(NoteCodeBase),
        db_->ReasonText(NoteCodeBase + 2), db_->RemarkText(3)};
    const struct {
        std::string got, expected;
    } cases[] = {
        {db_->TeamName(3), "ERA"}, {db_->ResultDriverName(1), "Nino Farina"},
        {db_->ResultTeamName(3), "ERA"}, {db_->TeamCountryName(3), "UK"},
        {db_->DriverNatName(5), ""}, // nationality 0: unknown, read as empty
        {db_->DriverNatName(newcomer), ""}, {db_->TeamCountryName(1), ""},
        {db_->ReasonText(0), ""}, {db_->ReasonText(NoteCodeBase + 1), "Pushed over the line"},
        {db_->RemarkText(2), "Ya\xF0murlu"}, // Turkish mode
        {The_Class::NumText(0), ""},
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(outside); ++i)
        EXPECT_EQ(outside[i], "_____") << i;
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected);
    for (int mode : {1, 2}) {
        db_->LanguageMode = static_cast<std::uint8_t>(mode);
        EXPECT_EQ(db_->RemarkText(2), "Rain");
    }
}

TEST_F(Lookups, YearListsAndGPOfResult) {
    std::vector<std::string> years{"stale"};
    db_->FillYears(years);
    EXPECT_EQ(years, (std::vector<std::string>{"1952", "1951", "1950"}));
    db_->FillTeamYears(years);
    EXPECT_TRUE(years.empty()); // no constructors' championship before 1958
    testing::MakeFullSizeDatabase()->FillTeamYears(years);
    ASSERT_EQ(years.size(), 2010u - 1958u + 1u);
    EXPECT_EQ(years.front(), "2010");
    // Result rows 1..4 are GP 1's, 5..6 GP 2's; GP 3 is empty, 7.. GP 4's.
    const int gpOf[] = {0, 1, 1, 1, 1, 2, 2, 4, 4, 4, 0};
    for (int r = 0; r <= db_->ResultCount + 1; ++r)
        EXPECT_EQ(db_->GPOfResult(r), gpOf[r]) << "result " << r;
    EXPECT_EQ(std::make_unique<The_Class>()->GPOfResult(1), 0);
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
