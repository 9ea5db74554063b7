#pragma once
// Shared GP results on the program's side: the list, sources and content replies as grids,
// saving a source into the database, the upload of a GP and the once-a-day check.

#include "online/DriverUpdates.h"
#include "online/RequestBodies.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {
class The_Class;
}

namespace qor::online {

// The lines of a payload: trimmed of blanks and control characters, blank ones dropped.
std::vector<std::string> ReplyLines(std::string_view payload);
// The fields of a line: each ends with "*"; the text after the last "*" is ignored.
std::vector<std::string> LineFields(std::string_view line);

// A page grid: row 0 the header (column 0 empty), as many columns as header fields plus one.
struct SharedGrid {
    std::vector<std::vector<std::string>> Rows;
    std::size_t Columns() const { return Rows.empty() ? 0 : Rows[0].size(); }
};

// The list reply: the new drivers of its "<newdriver>" block, then the grid of Grands Prix
// (column 0 " NEW" where the database has no GP on that date, column 1 the date).
struct GPListReply {
    std::vector<DriverUpdateFile::Driver> NewDrivers;
    SharedGrid Grid;
    bool AnyNew = false;
};
GPListReply ParseGPList(const The_Class& db, std::string_view payload);
// The sources reply: column 1 the source id, column 2 the date.
SharedGrid ParseGPSources(const The_Class& db, std::string_view payload);

// One source: the GP line's labels and the result rows (driver, team, pos, time, grid, notes).
struct SourceContent {
    std::string Date, Track, Name, FLDriver, FLTime, PoleDriver, PoleTime, Laps;
    std::vector<std::array<std::string, 6>> Results;
};
// Nothing when the payload has no GP line.
std::optional<SourceContent> ParseSourceContent(const The_Class& db, std::string_view payload);

// What saving a source did.
struct SaveOutcome {
    std::string Message;
    std::uint16_t GP = 0;     // the new GP, 0 when nothing was added
    bool Reenable = false;    // the save button may be pressed again
    bool WriteFailed = false; // added in memory, but the files could not be written
};
// Adds the GP and its results through the editing operations, recomputes the season and
// saves. The GP line and every row are checked before the first change: a GP that cannot be
// added changes nothing; rows that cannot be added are left out and reported.
SaveOutcome SaveSharedGP(The_Class& db, const SourceContent& content);

// The upload of GP g of the database ("master=gp&mode=share"): its content, and the drivers it
// names with their nationalities (so the service can list them for a download), both
// percent-encoded.
std::string ShareGPBody(const Caller& caller, const The_Class& db, int g);
// "#" name "*" nationality CR LF for each driver GP g names, once each.
std::string GPDriverLines(const The_Class& db, int g);
// The content layout of GP g: the GP line, then one line per result, CR LF after each.
std::string GPContentText(const The_Class& db, int g);

// Days since 30 December 1899 of the local date today, as the "access" setting keeps it.
double TodayDayNumber();
// The once-a-day check is due when it is switched on (bit 0) and today is not the day of
// the last list request.
bool DailyCheckDue(int onlineOption, double today, std::optional<double> access);

} // namespace qor::online
