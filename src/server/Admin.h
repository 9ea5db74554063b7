#pragma once
// The operator's commands on the data folder of a service: list, confirm and disable users,
// set the server message, list and remove shared GPs, and run the guess game.

#include <iosfwd>
#include <string>
#include <vector>

namespace qor::server {

// Runs "admin [--config FILE] [--data-dir DIR] COMMAND ..." (the arguments after "admin").
// Exit status: 0 done, 1 refused (no such user, source, driver or open Grand Prix), 2 usage
// or storage error.
int RunAdmin(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace qor::server
