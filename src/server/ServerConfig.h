#pragma once
// The settings of one service run: built-in defaults, then the INI file, then the options.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace qor::server {

// Every setting of the service, with the defaults a careful public operator would choose.
struct ServerConfig {
    std::string ListenHost = "127.0.0.1";
    int ListenPort = 8080;
    std::string PublicHost;    // host[:port] in the discovery file; empty: the listen address
    std::string PublicUrl;     // base of links in mails; empty: "http://" + public host
    std::string DataDir = "."; // database, outbox and access log
    std::string ContentDir;    // news and driver update files; empty: DataDir + "/content"
    std::string SmtpUrl;       // empty: mails stay in the outbox
    std::string MailFrom;      // empty: "qor@" + the public host name
    std::string AccessLog;     // empty: DataDir + "/access.log"; "-": standard error
    std::string LogLevel = "info";
    bool AutoConfirm = false;
    bool TrustForwardedFor = false; // take the client address from X-Forwarded-For
    int Threads = 16;
    int HashQueue = 0; // requests hashing or waiting to; 0: half the threads
    std::size_t MaxBodyBytes = 16 * 1024;
    int SessionHours = 24;
    // Argon2id cost of new password hashes.
    std::size_t HashMemoryKiB = 19 * 1024;
    unsigned HashPasses = 2;
    // Lock-outs: this many wrong log-ins (or wrong log-in numbers) within the window lock
    // the user, or the address, for the window.
    int UserFailures = 5;
    int AddressFailures = 50;
    int LockMinutes = 15;
    // Requests per second and burst per address; sign-ups per address and hour.
    double RatePerSecond = 20;
    double RateBurst = 200;
    int SignupsPerHour = 10;
    // Shared GPs one user may keep in the pool.
    int SourcesPerUser = 200;

    std::string EffectivePublicHost() const;
    std::string EffectivePublicUrl() const;
    std::string EffectiveContentDir() const;
    std::string EffectiveMailFrom() const;
    std::string EffectiveAccessLog() const;
    std::size_t EffectiveHashQueue() const;
    std::string DatabasePath() const { return DataDir + "/qor-server.sqlite"; }
    std::string OutboxDir() const { return DataDir + "/outbox"; }
};

// Reads "key = value" lines (sections, blank lines and lines starting with "#" or ";" are
// skipped) over the settings; the error names the first bad line.
bool LoadIni(const std::string& path, ServerConfig& config, std::string& error);
// Applies one INI key; false for an unknown key or a bad value.
bool ApplySetting(ServerConfig& config, const std::string& key, const std::string& value);
// Splits "HOST:PORT" (port 0..65535); nothing when malformed.
std::optional<std::pair<std::string, int>> SplitHostPort(const std::string& text);

// The command line of a service run (after the program name): --config FILE first over the
// defaults, then the other options over it. Unknown options are errors.
bool ParseServerArgs(const std::vector<std::string>& args, ServerConfig& config,
                     std::string& error);

} // namespace qor::server
