#pragma once
// The result record a record list is opened on when the list is asked for by names instead of
// from a grid row: the subject's first result, restricted as the chosen popup item would be.

#include "database/STheClass.h"

#include <cstdint>

namespace qor {

// What the record must match; 0 in a field means any.
struct RecordSubjectQuery {
    std::uint16_t Driver = 0;
    std::uint8_t Team = 0;
    std::uint8_t Track = 0;
    int Year = 0;
};

// The first result record in GP order that matches every set field of the query (only the
// season's GPs are scanned when a year is set); 0 when there is none or the year is not held.
std::uint16_t FirstMatchingResult(const The_Class& db, const RecordSubjectQuery& query);

} // namespace qor
