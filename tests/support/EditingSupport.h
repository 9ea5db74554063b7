#pragma once
// Fixtures for the editing and import tests: a database with recent seasons and a whole-memory
// comparison of two databases.

#include "database/STheClass.h"

#include <memory>
#include <string>

namespace qor::testing {

// The small database (1950..1952) extended to 2006: empty seasons 1953..2004, then 2005 with
// six GPs and 2006 with five, each with twelve results (ten placed, two unplaced, one of them
// with a note), and stored standings for both seasons that differ from the computed ones.
std::unique_ptr<The_Class> MakeModernDatabase();

// The first difference between two databases' tables, counters, notes and settings, comparing
// every table over its whole capacity (so writes beyond a counter show too); empty when equal.
std::string FirstDifference(const TheClassData& a, const TheClassData& b);

} // namespace qor::testing
