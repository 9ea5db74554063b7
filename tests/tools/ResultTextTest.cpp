// Description texts: each status carries exactly the mark the statistics read from it.

#include "ResultText.h"
#include "BuildError.h"

#include <gtest/gtest.h>

using namespace qor::tools;

TEST(ResultText, ParsesPositionsAndCodes) {
    int pos = -1;
    EXPECT_EQ(ParseStatus("3", pos), EntryStatus::Classified);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(ParseStatus("DNPQ", pos), EntryStatus::DNPQ);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(ParseStatus("EX", pos), EntryStatus::EX);
    EXPECT_EQ(ParseStatus("DNP", pos), EntryStatus::DNP);
    EXPECT_FALSE(ParseStatus("0", pos));
    EXPECT_FALSE(ParseStatus("", pos));
    EXPECT_FALSE(ParseStatus("3rd", pos));
    EXPECT_FALSE(ParseStatus("dnf", pos));
}

TEST(ResultText, TextsOfEachStatus) {
    EXPECT_EQ(DescriptionText(EntryStatus::Classified, ""), "");
    EXPECT_EQ(DescriptionText(EntryStatus::Classified, "Engine"), "Engine");
    EXPECT_EQ(DescriptionText(EntryStatus::DNF, ""), "Retired");
    EXPECT_EQ(DescriptionText(EntryStatus::DNF, "Gearbox"), "Gearbox");
    EXPECT_EQ(DescriptionText(EntryStatus::DNS, ""), "DNS");
    EXPECT_EQ(DescriptionText(EntryStatus::DNS, "Injury"), "DNS - Injury");
    EXPECT_EQ(DescriptionText(EntryStatus::DNQ, ""), "DNQ");
    EXPECT_EQ(DescriptionText(EntryStatus::DNPQ, "Accident"), "DNPQ - Accident");
    EXPECT_EQ(DescriptionText(EntryStatus::DSQ, ""), "Disqualified");
    EXPECT_EQ(DescriptionText(EntryStatus::DSQ, "Car underweight"), "Disq - Car underweight");
    EXPECT_EQ(DescriptionText(EntryStatus::EX, ""), "Excluded (Disq)");
    EXPECT_EQ(DescriptionText(EntryStatus::NC, ""), "NC");
    EXPECT_EQ(DescriptionText(EntryStatus::DNP, ""), "DNS - Did not practise");
}

TEST(ResultText, EveryStatusIsReadBackAsItself) {
    const EntryStatus all[] = {EntryStatus::Classified, EntryStatus::DNF,  EntryStatus::DNS,
                               EntryStatus::DNQ,        EntryStatus::DNPQ, EntryStatus::DSQ,
                               EntryStatus::EX,         EntryStatus::NC,   EntryStatus::DNP};
    for (EntryStatus s : all)
        for (const char* reason : {"", "Accident in practice", "Car raced by Surer"}) {
            if (s == EntryStatus::Classified && *reason) continue;
            EXPECT_EQ(MarkOf(DescriptionText(s, reason)), ExpectedMark(s))
                << static_cast<int>(s) << " " << reason;
        }
    // The codes do not hide inside each other.
    EXPECT_EQ(MarkOf("DNPQ"), StatusMark::DNPQ);
    EXPECT_EQ(MarkOf("DNQ"), StatusMark::DNQ);
    EXPECT_EQ(MarkOf("DNS - Did not practise"), StatusMark::DNS);
    EXPECT_EQ(MarkOf("Retired"), StatusMark::None);
    EXPECT_EQ(MarkOf("NC"), StatusMark::None);
}

TEST(ResultText, LongTextsLoseWholeWordsToFit) {
    const std::string t = DescriptionText(
        EntryStatus::DSQ, "Ignored yellow flags in practice and again in the race itself");
    EXPECT_LE(t.size(), 45u);
    EXPECT_EQ(t, "Disq - Ignored yellow flags in practice and");
    EXPECT_EQ(DescriptionText(EntryStatus::DNP, "Car raced by Surer"),
              "DNS - Did not practise - Car raced by Surer");
}

TEST(ResultText, RefusesAReasonThatWouldReadAsAnotherStatus) {
    EXPECT_THROW(DescriptionText(EntryStatus::DNF, "DNS after a crash"), BuildError);
    EXPECT_THROW(DescriptionText(EntryStatus::Classified, "Disqualified later"), BuildError);
    EXPECT_THROW(DescriptionText(EntryStatus::DNQ, "DNS earlier"), BuildError);
}
