#pragma once
// The online subcommands that live apart from the account and shared-results ones.

#include <iosfwd>
#include <string>
#include <vector>

namespace qor::cli {

// `online board ...` and `online guess ...`: args begin with "board" / "guess"; the session
// is loaded and the web host set. Exit 0 accepted, 1 refused, 2 transport failure, 64 usage.
int OnlineBoard(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int OnlineGuess(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace qor::cli
