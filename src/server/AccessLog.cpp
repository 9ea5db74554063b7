#include "AccessLog.h"

#include <ctime>

namespace qor::server {

namespace {
std::string Clean(const std::string& text, std::size_t max = 200) {
    std::string out;
    for (char c : text.substr(0, max))
        out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7f || c == ' ') ? '?' : c;
    return out.empty() ? "-" : out;
}
} // namespace

std::string FormatAccessLine(const AccessEntry& e, long long unixSeconds) {
    const std::time_t t = static_cast<std::time_t>(unixSeconds);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &tm);
    char tail[64];
    std::snprintf(tail, sizeof tail, " %d %zu %.1fms", e.Status, e.Bytes, e.Milliseconds);
    return std::string(stamp) + " " + Clean(e.Address) + " " + Clean(e.Method) + " " +
           Clean(e.Path) + " " + Clean(e.Area) + " " + Clean(e.User) + tail;
}

AccessLog::AccessLog(const std::string& path) {
    if (path == "-") {
        file_ = stderr;
    } else {
        file_ = std::fopen(path.c_str(), "a");
        own_ = true;
    }
}

AccessLog::~AccessLog() {
    if (own_ && file_) std::fclose(file_);
}

void AccessLog::Write(const AccessEntry& entry) {
    if (!file_) return;
    const std::string line = FormatAccessLine(entry, static_cast<long long>(std::time(nullptr)));
    std::lock_guard lock(mutex_);
    std::fprintf(file_, "%s\n", line.c_str());
    std::fflush(file_);
}

} // namespace qor::server
