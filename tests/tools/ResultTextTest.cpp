// Description texts: each status carries exactly the mark the statistics read from it.

#include "ResultText.h"
#include "BuildError.h"

#include <gtest/gtest.h>

using namespace qor::tools;

// The importer's test shows the texts of the extract's entries; here the other cases.
TEST(ResultText, EachStatusTextCarriesItsOwnMark) {
    const struct {
        EntryStatus status;
        const char* reason;
        const char* text;
    } cases[] = {
        {EntryStatus::Classified, "", ""},
        {EntryStatus::DNF, "", "Retired"},
        {EntryStatus::DNS, "", "DNS"},
        {EntryStatus::DNPQ, "Accident", "DNPQ - Accident"}, // not read as DNQ
        {EntryStatus::DSQ, "", "Disqualified"},
        {EntryStatus::DNP, "Car raced by Surer", "DNS - Did not practise - Car raced by Surer"},
        // Long texts lose whole words to fit 45 characters.
        {EntryStatus::DSQ, "Ignored yellow flags in practice and again in the race itself",
         "Disq - Ignored yellow flags in practice and"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DescriptionText(c.status, c.reason), c.text);
        EXPECT_EQ(MarkOf(c.text), ExpectedMark(c.status)) << c.text;
    }
    int pos = -1;
    for (const char* bad : {"0", "", "3rd", "dnf"})
        EXPECT_FALSE(ParseStatus(bad, pos)) << bad;
}

TEST(ResultText, RefusesAReasonThatWouldReadAsAnotherStatus) {
    EXPECT_THROW(DescriptionText(EntryStatus::DNF, "DNS after a crash"), BuildError);
    EXPECT_THROW(DescriptionText(EntryStatus::Classified, "Disqualified later"), BuildError);
    EXPECT_THROW(DescriptionText(EntryStatus::DNQ, "DNS earlier"), BuildError);
}
