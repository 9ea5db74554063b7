#pragma once
// The account operations of the service: sign-up, confirmation, log-in and password change.
// Requests come in as the program sends them; answers go out as reply payloads.

#include "Guard.h"
#include "Mailer.h"
#include "Store.h"

#include <atomic>
#include <cstddef>
#include <optional>
#include <semaphore>
#include <string>
#include <string_view>

namespace qor::server {

// Passwords exist in clear only in memory and in the password mail; the store keeps Argon2id
// hashes.
class Accounts {
  public:
    struct Options {
        bool AutoConfirm = false;
        int SessionHours = 24;
        std::size_t HashMemoryKiB = 19 * 1024;
        unsigned HashPasses = 2;
        std::string PublicUrl = "http://127.0.0.1:8080"; // base of the confirmation link
        // Requests that may wait for or run a hash at once; more are told the service is
        // busy, so that a flood of log-ins cannot hold every worker thread.
        std::size_t HashQueue = 8;
    };
    enum class Confirmation { Confirmed, NoSuchUser, BadToken, Failed };

    Accounts(Store& store, Mailer& mailer, Guard& guard, Options options);

    // The payloads of the log-in, sign-up and password-change replies.
    std::string Login(std::string_view data, const std::string& address);
    std::string Register(std::string_view data, const std::string& address);
    std::string ChangePassword(std::string_view user, std::string_view kod, std::string_view data,
                               const std::string& address);

    // Checks that the user is logged in with this log-in number; empty when so, else the
    // refusal. A wrong number counts as a failed log-in (a number outside the range, which
    // the program sends when logged out, does not, nor the number of a log-in that has
    // expired). key is the user's key.
    std::string CheckLogIn(std::string_view user, std::string_view kod, const std::string& address,
                           std::string& key);

    // Activates an account with a new random password and mails it. With a token (the link of
    // the sign-up mail) only a pending account whose token matches; without one (the
    // operator) any account, which also serves to issue a forgotten password again.
    Confirmation Confirm(std::string_view user, const std::string* token,
                         std::string* mailPath = nullptr);

  private:
    // Both give nothing (an empty hash) when too many requests are hashing already.
    std::string Hash(const std::string& password);
    std::optional<bool> Verify(const std::string& hash, const std::string& password);
    bool EnterHashing();
    void LeaveHashing();

    Store& store_;
    Mailer& mailer_;
    Guard& guard_;
    Options options_;
    // Each hash takes HashMemoryKiB of memory: at most one per core at a time.
    std::counting_semaphore<256> hashSlots_;
    std::atomic<std::size_t> hashing_{0};
    std::string dummyHash_; // verified against when the user does not exist
};

// User names: 4 to 30 letters, digits, "_", "." or "@" (what the log-in window lets through).
bool ValidUserName(std::string_view name);
// E-mail addresses: at most 50 printable characters, one "@" with text on both sides.
bool ValidEmail(std::string_view email);
// New passwords: 6 to 64 printable bytes.
bool ValidPassword(std::string_view password);
// The lower-case name under which an account is stored and looked up.
std::string UserKey(std::string_view name);

} // namespace qor::server
