#pragma once
// The protection the protocol cannot give: lock-outs after wrong log-ins or log-in numbers,
// per user and per address, request rate limits and sign-up limits per address.

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>

namespace qor::server {

// Thread-safe counters held in memory; a restart forgives everybody, which is acceptable as a
// restart is rare and every lock-out is short.
class Guard {
  public:
    using Clock = std::chrono::steady_clock;
    struct Limits {
        int UserFailures = 5, AddressFailures = 50;
        std::chrono::seconds LockFor{15 * 60};
        double RatePerSecond = 20, RateBurst = 200;
        int SignupsPerHour = 10;
    };

    explicit Guard(Limits limits, std::function<Clock::time_point()> now = Clock::now);

    // Takes one request from the address's allowance; false when over the rate.
    bool AllowRequest(const std::string& address);
    // Counts one sign-up; false when the address has made too many this hour.
    bool AllowSignup(const std::string& address);
    // Seconds until the user, or the address, may try to log in again; 0 when free.
    long LockedSeconds(const std::string& userKey, const std::string& address);
    // One wrong password or log-in number.
    void Failure(const std::string& userKey, const std::string& address);
    // A correct log-in forgives the user's earlier mistakes (not the address's).
    void Success(const std::string& userKey);

  private:
    // Events of one key in the current window, and the end of its lock-out.
    struct Window {
        int Count = 0;
        Clock::time_point Start, LockedUntil;
    };
    struct Bucket {
        double Tokens = 0;
        Clock::time_point Last;
    };
    // Counts an event; true when it reached the limit (the key is then locked).
    bool Count(Window& w, int limit, std::chrono::seconds window, Clock::time_point now);
    // Drops what has expired, every so many calls, so memory stays bounded.
    void Sweep(Clock::time_point now);

    Limits limits_;
    std::function<Clock::time_point()> now_;
    std::mutex mutex_;
    std::unordered_map<std::string, Window> users_, addresses_, signups_;
    std::unordered_map<std::string, Bucket> buckets_;
    unsigned calls_ = 0;
};

} // namespace qor::server
