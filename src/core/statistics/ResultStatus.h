#pragma once
// The status of an unplaced result as the statistics read it from its description text.

#include "database/STheClass.h"

#include <cstdint>
#include <string_view>

namespace qor {

// What an unplaced result's description says: one of the four status marks, or anything
// else (a retirement or another reason).
enum class ResultStatus { Other, Disq, DNS, DNQ, DNPQ };

// The description text of a reason code without copying it; empty for 0 or a code beyond its
// table (neither holds a status mark).
std::string_view ReasonView(const The_Class& db, std::uint16_t code);

// The first of "Disq", "DNS", "DNQ", "DNPQ" (in that order) the text contains, case-sensitive.
ResultStatus StatusOfText(std::string_view text);
inline ResultStatus StatusOfReason(const The_Class& db, std::uint16_t code) {
    return StatusOfText(ReasonView(db, code));
}

// The mark a status is recognised by ("Disq", "DNS", "DNQ", "DNPQ"); empty for Other.
std::string_view StatusMark(ResultStatus status);

} // namespace qor
