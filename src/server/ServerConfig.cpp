#include "ServerConfig.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <functional>
#include <map>

namespace qor::server {

namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

template <typename T> bool ToNumber(const std::string& text, T& out, T min, T max) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < min || value > max)
        return false;
    out = value;
    return true;
}

bool ToBool(const std::string& text, bool& out) {
    if (text == "1" || text == "true" || text == "yes" || text == "on") return out = true, true;
    if (text == "0" || text == "false" || text == "no" || text == "off") return !(out = false);
    return false;
}

bool NotEmpty(const std::string& text, std::string& out) {
    if (text.empty()) return false;
    out = text;
    return true;
}

using Setter = std::function<bool(ServerConfig&, const std::string&)>;

const std::map<std::string, Setter>& Setters() {
    static const std::map<std::string, Setter> setters = {
        {"listen",
         [](ServerConfig& c, const std::string& v) {
             const auto hp = SplitHostPort(v);
             if (!hp) return false;
             c.ListenHost = hp->first;
             c.ListenPort = hp->second;
             return true;
         }},
        {"public_host",
         [](ServerConfig& c, const std::string& v) { return NotEmpty(v, c.PublicHost); }},
        {"public_url",
         [](ServerConfig& c, const std::string& v) { return NotEmpty(v, c.PublicUrl); }},
        {"data_dir", [](ServerConfig& c, const std::string& v) { return NotEmpty(v, c.DataDir); }},
        {"content_dir",
         [](ServerConfig& c, const std::string& v) { return NotEmpty(v, c.ContentDir); }},
        {"smtp_url", [](ServerConfig& c, const std::string& v) { return c.SmtpUrl = v, true; }},
        {"mail_from", [](ServerConfig& c, const std::string& v) { return c.MailFrom = v, true; }},
        {"access_log", [](ServerConfig& c, const std::string& v) { return c.AccessLog = v, true; }},
        {"log_level",
         [](ServerConfig& c, const std::string& v) {
             if (v != "error" && v != "warn" && v != "info" && v != "debug") return false;
             c.LogLevel = v;
             return true;
         }},
        {"auto_confirm",
         [](ServerConfig& c, const std::string& v) { return ToBool(v, c.AutoConfirm); }},
        {"trust_forwarded_for",
         [](ServerConfig& c, const std::string& v) { return ToBool(v, c.TrustForwardedFor); }},
        {"threads",
         [](ServerConfig& c, const std::string& v) { return ToNumber(v, c.Threads, 1, 1024); }},
        {"sources_per_user",
         [](ServerConfig& c, const std::string& v) {
             return ToNumber(v, c.SourcesPerUser, 0, 1000000);
         }},
        {"hash_queue",
         [](ServerConfig& c, const std::string& v) { return ToNumber(v, c.HashQueue, 0, 100000); }},
        {"max_body_bytes",
         [](ServerConfig& c, const std::string& v) {
             return ToNumber<std::size_t>(v, c.MaxBodyBytes, 1024, 1 << 20);
         }},
        {"session_hours",
         [](ServerConfig& c, const std::string& v) {
             return ToNumber(v, c.SessionHours, 1, 24 * 365);
         }},
        {"hash_memory_kib",
         [](ServerConfig& c, const std::string& v) {
             return ToNumber<std::size_t>(v, c.HashMemoryKiB, 8, 4 * 1024 * 1024);
         }},
        {"hash_passes",
         [](ServerConfig& c, const std::string& v) { return ToNumber(v, c.HashPasses, 1u, 100u); }},
        {"user_failures",
         [](ServerConfig& c, const std::string& v) {
             return ToNumber(v, c.UserFailures, 1, 1000000);
         }},
        {"address_failures",
         [](ServerConfig& c, const std::string& v) {
             return ToNumber(v, c.AddressFailures, 1, 1000000);
         }},
        {"lock_minutes", [](ServerConfig& c,
                            const std::string& v) { return ToNumber(v, c.LockMinutes, 1, 10080); }},
        {"rate_per_second",
         [](ServerConfig& c, const std::string& v) {
             return ToNumber(v, c.RatePerSecond, 0.1, 1e9);
         }},
        {"rate_burst",
         [](ServerConfig& c, const std::string& v) { return ToNumber(v, c.RateBurst, 1.0, 1e9); }},
        {"signups_per_hour",
         [](ServerConfig& c, const std::string& v) {
             return ToNumber(v, c.SignupsPerHour, 1, 1000000);
         }},
    };
    return setters;
}

std::string HostName(const std::string& hostPort) {
    if (!hostPort.empty() && hostPort.front() == '[')
        return hostPort.substr(0, hostPort.find(']') + 1);
    return hostPort.substr(0, hostPort.rfind(':'));
}

} // namespace

std::string ServerConfig::EffectivePublicHost() const {
    if (!PublicHost.empty()) return PublicHost;
    return ListenHost + ":" + std::to_string(ListenPort);
}
std::string ServerConfig::EffectivePublicUrl() const {
    return PublicUrl.empty() ? "http://" + EffectivePublicHost() : PublicUrl;
}
std::size_t ServerConfig::EffectiveHashQueue() const {
    return static_cast<std::size_t>(HashQueue > 0 ? HashQueue : std::max(1, Threads / 2));
}
std::string ServerConfig::EffectiveContentDir() const {
    return ContentDir.empty() ? DataDir + "/content" : ContentDir;
}
std::string ServerConfig::EffectiveMailFrom() const {
    return MailFrom.empty() ? "qor@" + HostName(EffectivePublicHost()) : MailFrom;
}
std::string ServerConfig::EffectiveAccessLog() const {
    return AccessLog.empty() ? DataDir + "/access.log" : AccessLog;
}

std::optional<std::pair<std::string, int>> SplitHostPort(const std::string& text) {
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) return std::nullopt;
    int port = 0;
    if (!ToNumber(text.substr(colon + 1), port, 0, 65535)) return std::nullopt;
    std::string host = text.substr(0, colon);
    // "[::1]:8080": the brackets only delimit the address.
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    return std::pair{host, port};
}

bool ApplySetting(ServerConfig& config, const std::string& key, const std::string& value) {
    const auto it = Setters().find(key);
    return it != Setters().end() && it->second(config, value);
}

bool LoadIni(const std::string& path, ServerConfig& config, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = Trim(line);
        if (line.empty() || line[0] == '#' || line[0] == ';' || line[0] == '[') continue;
        const auto eq = line.find('=');
        const std::string key = Trim(line.substr(0, eq));
        const std::string value = eq == std::string::npos ? "" : Trim(line.substr(eq + 1));
        if (eq == std::string::npos || !ApplySetting(config, key, value)) {
            error = path + ":" + std::to_string(number) + ": bad setting \"" + line + "\"";
            return false;
        }
    }
    return true;
}

bool ParseServerArgs(const std::vector<std::string>& args, ServerConfig& config,
                     std::string& error) {
    // The file first, wherever --config stands, so the options override it.
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "--config" && !LoadIni(args[i + 1], config, error)) return false;
    static const std::map<std::string, std::string> keys = {{"--listen", "listen"},
                                                            {"--public-host", "public_host"},
                                                            {"--data-dir", "data_dir"},
                                                            {"--content-dir", "content_dir"},
                                                            {"--config", ""}};
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const auto it = keys.find(args[i]);
        if (it == keys.end()) {
            error = "unknown option " + args[i];
            return false;
        }
        if (i + 1 >= args.size()) {
            error = args[i] + " needs a value";
            return false;
        }
        if (!it->second.empty() && !ApplySetting(config, it->second, args[i + 1])) {
            error = "bad value for " + args[i] + ": " + args[i + 1];
            return false;
        }
    }
    return true;
}

} // namespace qor::server
