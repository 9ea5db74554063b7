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

namespace qor {
struct TableContext;
}

namespace qor::testing {

// The folder of the running program, ending in '/': the build copies the shipped data there.
std::string RunningProgramFolder();

// One table context over the shipped database beside the running program (English texts,
// zoom 1 on a 1280-pixel screen, year lists filled), made on first use; the program ends with
// a message when the data cannot be loaded.
TableContext& ShippedContext();

} // namespace qor::testing
