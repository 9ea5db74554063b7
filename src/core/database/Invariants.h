#pragma once
// The structural rules every database must keep, checked in one place.

#include <string>
#include <vector>

namespace qor {

struct TheClassData;

// Every violated rule, in words (at most `limit` lines); empty when the database is sound.
std::vector<std::string> CheckInvariants(const TheClassData& d, std::size_t limit = 50);
// The first violated rule, or the empty text.
std::string FirstViolation(const TheClassData& d);

} // namespace qor
