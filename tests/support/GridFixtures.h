#pragma once
// Tables written the way the table producers write them, for the grid and export tests.

#include "database/STheClass.h"
#include "lang/Langs.h"
#include "mainwindow/ResultGrid.h"

namespace qor::testing {

// The string table with the built-in English texts, as start-up loads it.
Langs EnglishLangs();

// The classification of GP g in tablo1, as the season browser shows it: the 7 or 8 columns
// by season, one row per result with the result index as key, the count and the title.
void FillGPResultTable(ResultGrid& model, const The_Class& db, int g);

} // namespace qor::testing
