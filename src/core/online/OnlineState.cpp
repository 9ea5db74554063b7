#include "online/OnlineState.h"

#include "settings/SettingsStore.h"

#include <cstdlib>

namespace qor::online {

OnlineState& OnlineState::Instance() {
    static OnlineState state;
    return state;
}

std::optional<ServiceAddress> OnlineState::CachedService() const {
    std::lock_guard lock(mutex_);
    return cached_;
}

void OnlineState::SetCachedService(const ServiceAddress& address) {
    std::lock_guard lock(mutex_);
    cached_ = address;
}

void OnlineState::ClearCachedService() {
    std::lock_guard lock(mutex_);
    cached_.reset();
}

std::string OnlineState::LoginUser() const {
    std::lock_guard lock(mutex_);
    return loginUser_;
}

int OnlineState::LoginCode() const {
    std::lock_guard lock(mutex_);
    return loginCode_;
}

void OnlineState::SetLogin(std::string user, int code) {
    std::lock_guard lock(mutex_);
    loginUser_ = std::move(user);
    loginCode_ = code;
}

void OnlineState::SetLoginCode(int code) {
    std::lock_guard lock(mutex_);
    loginCode_ = code;
}

std::string OnlineState::LanguageCode() const {
    std::lock_guard lock(mutex_);
    return languageCode_;
}

void OnlineState::SetLanguageCode(std::string code) {
    std::lock_guard lock(mutex_);
    languageCode_ = std::move(code);
}

std::string OnlineState::WebHost() const {
    std::lock_guard lock(mutex_);
    return webHost_.empty() ? std::string(DefaultWebHost) : webHost_;
}

void OnlineState::SetWebHost(std::string host) {
    std::lock_guard lock(mutex_);
    webHost_ = std::move(host);
}

std::string ResolveWebHost(const std::string& commandLine, const SettingsStore* settings) {
    if (!commandLine.empty()) return commandLine;
    if (const char* env = std::getenv("QOR_WEB_HOST"); env != nullptr && *env != '\0') return env;
    if (settings != nullptr)
        if (auto stored = settings->Read(setting::WebHost); stored && !stored->empty())
            return *stored;
    return DefaultWebHost;
}

} // namespace qor::online
