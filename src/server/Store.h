#pragma once
// The storage of accounts, log-in sessions, the shared GP pool and service settings, behind one
// interface so that another database can stand in for the embedded one.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qor::server {

enum class AccountState { Pending = 0, Active = 1, Disabled = 2 };

// One user account. Names are unique regardless of letter case (Key is the lower-case name).
struct Account {
    std::string Name, Key, Email;
    bool News = false;
    AccountState State = AccountState::Pending;
    std::string PasswordHash;                    // Argon2id string; empty until confirmed
    std::string TokenHash;                       // hash of the confirmation token; empty once used
    bool MustChange = false;                     // the password is still the generated one
    std::int64_t CreatedAt = 0, ConfirmedAt = 0; // seconds since the epoch
};

// A log-in: the number handed out and when it stops being valid.
struct Session {
    int Code = 0;
    std::int64_t ExpiresAt = 0;
};

// One user's copy of one Grand Prix in the shared pool.
struct PoolSource {
    std::int64_t Id = 0;
    std::string UserKey, UserName;
    int Date = 0; // packed date number
    std::string Name, Track;
    std::string Content; // empty in lists
    std::int64_t CreatedAt = 0, UpdatedAt = 0;
    int Downloads = 0;
};

// One Grand Prix of the pool: all sources of one date and name.
struct PoolGP {
    int Date = 0;
    std::string Name, Track;
    int Sources = 0, Downloads = 0;
};

// Every method is safe to call from several threads; each write is durable when it returns
// true.
class Store {
  public:
    virtual ~Store() = default;

    // Adds a pending account; false when the key is taken (or on a storage error).
    virtual bool CreateAccount(const Account& account) = 0;
    // Replaces a pending account that was never confirmed (stale sign-ups free their name).
    virtual bool ReplacePending(const Account& account) = 0;
    virtual std::optional<Account> FindAccount(const std::string& key) = 0;
    virtual std::vector<Account> ListAccounts() = 0;
    // Makes the account active with this hash and clears its token.
    virtual bool Activate(const std::string& key, const std::string& hash, bool mustChange,
                          std::int64_t now) = 0;
    virtual bool SetPasswordHash(const std::string& key, const std::string& hash,
                                 bool mustChange) = 0;
    virtual bool SetState(const std::string& key, AccountState state) = 0;

    virtual bool PutSession(const std::string& key, const Session& session) = 0;
    virtual std::optional<Session> FindSession(const std::string& key) = 0;
    virtual bool DropSession(const std::string& key) = 0;

    // Stores a source with the drivers it names (name, nationality). A user's source of the
    // same date and name is replaced (its id and downloads kept); the id, 0 on failure.
    virtual std::int64_t
    PutSource(const PoolSource& source,
              const std::vector<std::pair<std::string, std::string>>& drivers) = 0;
    // Grands Prix newest first, at most limit of them.
    virtual std::vector<PoolGP> ListPool(int limit) = 0;
    // The drivers (name, nationality) the sources of one Grand Prix name, once each.
    virtual std::vector<std::pair<std::string, std::string>>
    PoolDrivers(int date, const std::string& name) = 0;
    // The sources of one Grand Prix (without content), newest first; all when date is 0.
    virtual std::vector<PoolSource> ListSources(int date, const std::string& name) = 0;
    virtual std::optional<PoolSource> FindSource(std::int64_t id) = 0;
    virtual int CountSourcesOf(const std::string& userKey) = 0;
    // Counts a download once per user and source; false when it was counted already.
    virtual bool CountDownload(std::int64_t id, const std::string& userKey) = 0;
    virtual bool RemoveSource(std::int64_t id) = 0;

    // Changes whenever anything stored changes, written by this process or another (the
    // operator's commands); equal revisions mean equal contents.
    virtual std::pair<std::int64_t, std::int64_t> Revision() = 0;

    virtual std::optional<std::string> Setting(const std::string& name) = 0;
    virtual bool PutSetting(const std::string& name, const std::string& value) = 0;
};

} // namespace qor::server
