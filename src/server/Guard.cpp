#include "Guard.h"

#include <algorithm>

namespace qor::server {

namespace {
constexpr std::chrono::seconds Hour{3600};
}

Guard::Guard(Limits limits, std::function<Clock::time_point()> now)
    : limits_(limits), now_(std::move(now)) {}

bool Guard::Count(Window& w, int limit, std::chrono::seconds window, Clock::time_point now) {
    if (w.Count == 0 || now - w.Start >= window) {
        w.Count = 0;
        w.Start = now;
    }
    if (++w.Count < limit) return false;
    w.Count = 0;
    w.LockedUntil = now + window;
    return true;
}

bool Guard::AllowRequest(const std::string& address) {
    const auto now = now_();
    std::lock_guard lock(mutex_);
    Sweep(now);
    auto [it, fresh] = buckets_.try_emplace(address);
    Bucket& b = it->second;
    if (fresh) {
        b.Tokens = limits_.RateBurst;
    } else {
        const double elapsed = std::chrono::duration<double>(now - b.Last).count();
        b.Tokens = std::min(limits_.RateBurst, b.Tokens + elapsed * limits_.RatePerSecond);
    }
    b.Last = now;
    if (b.Tokens < 1) return false;
    b.Tokens -= 1;
    return true;
}

bool Guard::AllowSignup(const std::string& address) {
    const auto now = now_();
    std::lock_guard lock(mutex_);
    Window& w = signups_[address];
    if (now < w.LockedUntil) return false;
    return !Count(w, limits_.SignupsPerHour + 1, Hour, now);
}

long Guard::LockedSeconds(const std::string& userKey, const std::string& address) {
    const auto now = now_();
    std::lock_guard lock(mutex_);
    Clock::time_point until{};
    if (const auto u = users_.find(userKey); u != users_.end()) until = u->second.LockedUntil;
    if (const auto a = addresses_.find(address); a != addresses_.end())
        until = std::max(until, a->second.LockedUntil);
    if (until <= now) return 0;
    return static_cast<long>(std::chrono::ceil<std::chrono::seconds>(until - now).count());
}

void Guard::Failure(const std::string& userKey, const std::string& address) {
    const auto now = now_();
    std::lock_guard lock(mutex_);
    Sweep(now);
    Count(users_[userKey], limits_.UserFailures, limits_.LockFor, now);
    Count(addresses_[address], limits_.AddressFailures, limits_.LockFor, now);
}

void Guard::Success(const std::string& userKey) {
    std::lock_guard lock(mutex_);
    if (const auto u = users_.find(userKey); u != users_.end() && u->second.LockedUntil <= now_())
        users_.erase(u);
}

void Guard::Sweep(Clock::time_point now) {
    if (++calls_ % 4096 != 0) return;
    auto sweep = [now](auto& map, std::chrono::seconds window) {
        std::erase_if(map, [&](const auto& kv) {
            return now >= kv.second.LockedUntil && now - kv.second.Start >= window;
        });
    };
    sweep(users_, limits_.LockFor);
    sweep(addresses_, limits_.LockFor);
    sweep(signups_, Hour);
    // A bucket idle long enough to be full again holds nothing worth keeping.
    const auto refill = std::chrono::duration<double>(limits_.RateBurst / limits_.RatePerSecond);
    std::erase_if(buckets_, [&](const auto& kv) { return now - kv.second.Last >= refill; });
}

} // namespace qor::server
