#pragma once
// Runs the real qor-server on a free loopback port in a temporary data folder, for the tests
// and benchmarks that talk to it over HTTP.

#include "support/Fixtures.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace qor::testing {

// One service process at a time; the data folder outlives restarts and is removed with the
// object.
class ServerProcess {
  public:
    ServerProcess();
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // Starts "qor-server --listen 127.0.0.1:0 --data-dir DataDir() --content-dir ContentDir()"
    // followed by the extra arguments, and waits for its "listening on" line. The port, or 0
    // when the server did not come up (Log() tells why).
    int Start(const std::vector<std::string>& extraArgs = {});
    // SIGTERM, then waits; the exit status, or -1 when it did not exit normally.
    int Stop();
    // SIGKILL, as a crash or a power cut would end it.
    void Kill();

    int Port() const { return port_; }
    // "127.0.0.1:PORT", the web host to point the program at.
    std::string Address() const;
    const std::string& DataDir() const { return dir_.path(); }
    std::string ContentDir() const { return dir_.file("content"); }
    // Writes an INI file into the data folder; pass "--config", the path to Start.
    std::string WriteConfig(const std::string& text) const;
    // The password of the newest mail in the outbox that names the user; empty when none.
    std::string MailedPassword(const std::string& user) const;
    // The path and query of the link in the newest confirmation mail for the user
    // ("/trevask/confirm?..."); empty when none.
    std::string MailedLink(const std::string& user) const;
    // What the server wrote to its standard error.
    std::string Log() const;

    // The qor-server binary of this build.
    static std::string Binary();

  private:
    TempDir dir_;
    pid_t pid_ = -1;
    int port_ = 0;
};

} // namespace qor::testing
