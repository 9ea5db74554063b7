#include "support/Process.h"

#include "support/Fixtures.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace qor::testing {

ProcessResult RunProcess(const std::string& commandLine) {
    ProcessResult r;
    const TempDir scratch;
    const std::string errFile = scratch.file("stderr.txt");
    const std::string cmd = "( " + commandLine + " ) 2>'" + errFile + "'";
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
        r.out.append(buf.data(), n);
    const int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    r.err = ReadFileBytes(errFile);
    return r;
}

} // namespace qor::testing
