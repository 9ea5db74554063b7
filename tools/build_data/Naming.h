#pragma once
// The names the database shows for F1DB's circuits, Grands Prix and constructors.

#include <string>
#include <string_view>

namespace qor::tools {

// The circuit's name as followers of the sport use it (Imola, Montreal, Interlagos, ...),
// in Windows-1254 and fitted to 20 characters. The Spielberg circuit is the Österreichring
// until 1987 and the A1-Ring from 1997. Unlisted circuits keep F1DB's name.
std::string TrackName(std::string_view circuitId, std::string_view f1dbNameUtf8, int year);

// F1DB's Grand Prix name, except that "United States" is shown as "USA"; fitted to 20.
std::string GPName(std::string_view grandPrixId, std::string_view f1dbNameUtf8);

// The constructor's name before uniqueness is settled: F1DB's name, except the names the
// last season's team list uses ("MF1", "Sauber"), the full names' abbreviation "OSCA", and
// the forms that tell apart constructors F1DB names alike; fitted to 25.
std::string TeamName(std::string_view constructorId, std::string_view f1dbNameUtf8);

// True for the constructors whose name is fixed by the last season's team list: they keep
// it even when an earlier constructor had the same name.
bool IsPinnedTeamName(std::string_view constructorId);

} // namespace qor::tools
