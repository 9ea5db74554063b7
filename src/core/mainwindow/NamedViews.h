#pragma once
// Tables asked for by name instead of by clicks, as a script or a screenshot run opens them:
// each goes through the same handler a click would run, history entry included.

#include "mainwindow/MainState.h"

#include <string>
#include <vector>

namespace qor {

// Runs the view `args` names (texts in Windows-1254):
//   gp YEAR N                      the N-th GP (from 1) of a season, as picked in the browser
//   standings drivers|teams YEAR   a season's championship table
//   champions drivers|teams        the champions of every season
//   winners [YEAR]                 the winners of a season, or of all seasons
//   records DRIVER races|wins|podiums|fastestlaps|poles   the driver's records ("All")
// Returns the empty text on success, otherwise what was wrong (nothing is shown then).
std::string ShowNamedView(TableContext& ctx, const std::vector<std::string>& args);

} // namespace qor
