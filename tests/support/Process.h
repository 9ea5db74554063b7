#pragma once
// Runs a program as a user or script would, for the tests of the command-line programs.

#include <string>

namespace qor::testing {

struct ProcessResult {
    int status = -1; // exit status, -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs a shell command line (arguments already quoted) and captures stdout and stderr apart.
ProcessResult RunProcess(const std::string& commandLine);

} // namespace qor::testing
