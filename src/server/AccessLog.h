#pragma once
// The access log: one line per request, without secrets (no request data, passwords or
// log-in numbers).

#include <cstdio>
#include <mutex>
#include <string>

namespace qor::server {

// What one line tells.
struct AccessEntry {
    std::string Address, Method, Path;
    std::string Area; // "master/mode" of a service request, else empty
    std::string User; // the user a service request names, else empty
    int Status = 0;
    std::size_t Bytes = 0;
    double Milliseconds = 0;
};

// Appends lines to a file, or to standard error for "-"; thread-safe.
class AccessLog {
  public:
    explicit AccessLog(const std::string& path);
    ~AccessLog();
    AccessLog(const AccessLog&) = delete;
    AccessLog& operator=(const AccessLog&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    void Write(const AccessEntry& entry);

  private:
    std::mutex mutex_;
    std::FILE* file_ = nullptr;
    bool own_ = false;
};

// The line an entry makes (without its line end); control characters are replaced so a
// request cannot forge lines.
std::string FormatAccessLine(const AccessEntry& entry, long long unixSeconds);

} // namespace qor::server
