#pragma once
// The process-wide state of the online features: the discovered service address, the log-in
// and the language code, and the web host the program asks.

#include <mutex>
#include <optional>
#include <string>

#include "online/Discovery.h"

namespace qor {
class SettingsStore;
}

namespace qor::online {

// One instance per process. Everything is guarded: request threads read and write it.
class OnlineState {
  public:
    static OnlineState& Instance();

    // The discovered service address; nothing until a discovery has succeeded.
    std::optional<ServiceAddress> CachedService() const;
    void SetCachedService(const ServiceAddress& address);
    void ClearCachedService();

    std::string LoginUser() const;
    int LoginCode() const;
    void SetLogin(std::string user, int code);
    void SetLoginCode(int code);
    std::string LanguageCode() const;
    void SetLanguageCode(std::string code);

    // The configured web host (host[:port]).
    std::string WebHost() const;
    void SetWebHost(std::string host);

  private:
    mutable std::mutex mutex_;
    std::optional<ServiceAddress> cached_;
    std::string loginUser_, languageCode_ = "EN", webHost_;
    int loginCode_ = 0;
};

// The local service the program talks to unless told otherwise.
inline constexpr const char* DefaultWebHost = "127.0.0.1:8080";

// The web host in effect: the command-line value, else QOR_WEB_HOST, else the settings'
// "web_host", else the default local service.
std::string ResolveWebHost(const std::string& commandLine, const SettingsStore* settings);

} // namespace qor::online
