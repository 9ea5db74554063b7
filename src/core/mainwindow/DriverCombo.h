#pragma once
// The names offered by the driver box (ComboBox2): drivers active since a year, and every
// driver added after the shipped list.

#include "database/STheClass.h"

#include <string>
#include <vector>

namespace qor {

// Refills `items` with the names of the drivers that have a result from the first GP of
// sinceYear on, and of every driver from index FirstAddedDriver on, in index order. Returns
// false and leaves `items` unchanged when sinceYear is not a loaded season.
bool FillDriverCombo(const The_Class& db, int sinceYear, std::vector<std::string>& items);

} // namespace qor
