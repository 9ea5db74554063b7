#pragma once
// The two record lists of the driver statistics frame: a driver's starts, and his unplaced
// results (retirements, or those of one status mark), over his career or one season.

#include "mainwindow/MainState.h"
#include "statistics/ResultStatus.h"

#include <cstdint>

namespace qor {

namespace history_kind {
inline constexpr std::uint16_t DriverDNQ = 160;
inline constexpr std::uint16_t DriverDNPQ = 161;
inline constexpr std::uint16_t DriverDNS = 162;
inline constexpr std::uint16_t DriverDisq = 163;
inline constexpr std::uint16_t DriverRetirements = 164;
inline constexpr std::uint16_t DriverStarts = 165;
} // namespace history_kind

// The history kind AllRetire records for a filter (Other = no filter, the retirements).
std::uint16_t AllRetireKind(ResultStatus filter);

// Both lists take their subject from ctx.grid.SelectedRecord: the record's driver, and with
// `season` only the season of the record's GP (otherwise 1950..LastYear). Each records itself
// in the history (SelectedRecord, 0, its kind; a re-run lists the same record and scope
// again), hides tablo1 while filling it, sets the title and the history caption and ends with
// the count. Per GP only the driver's first record counts; the key column holds its index.

// StartsList: every GP he started: his first record unless it is unplaced with a status mark.
// Title: name + "     Starts", for a season + " (" + year + ")".
void StartsList(TableContext& ctx, bool season);

// AllRetire: his unplaced first records; with filter Other those without a status mark (the
// retirements), otherwise those whose description contains the filter's mark. Title: name +
// "     " + the mark (or the word "Retirements"), for a season + " (" + year + ")".
void AllRetire(TableContext& ctx, ResultStatus filter, bool season);

} // namespace qor
