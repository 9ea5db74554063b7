#pragma once
// The known names closest to a name the database does not hold, for error messages that help.

#include "database/STheClass.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

enum class NameKind { Driver, Team, Track };

// Up to `most` stored names closest to `wanted` (Windows-1254), best first, without regard
// to ASCII case. Drivers are also found by their alternative spellings (other_names.txt) and
// tracks by the names of the GPs held there; the stored name is what is offered. Names too far
// from `wanted` to be a misspelling are not offered.
std::vector<std::string> SuggestNames(const The_Class& db, NameKind kind, std::string_view wanted,
                                      std::size_t most = 3);

// "Did you mean A, B or C?" with the suggestions for `wanted`; empty when there are none.
std::string DidYouMean(const The_Class& db, NameKind kind, const std::string& wanted);

// "Driver "X" not found." (Team, Track), followed by DidYouMean.
std::string NotFoundMessage(const The_Class& db, NameKind kind, const std::string& wanted);

// `message`, then ". " and DidYouMean when there are suggestions.
std::string WithSuggestions(std::string message, const The_Class& db, NameKind kind,
                            const std::string& wanted);

// The error of a date that names no GP: which form a date takes when `text` is no date,
// else "No Grand Prix on" the text.
std::string NoGPOnDateMessage(const The_Class& db, const std::string& text);

} // namespace qor
