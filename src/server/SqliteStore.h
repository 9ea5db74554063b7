#pragma once
// The embedded store: one SQLite file in write-ahead-log mode, every acknowledged write
// synced to disk.

#include "Store.h"

#include <memory>
#include <mutex>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace qor::server {

// One connection shared by all request threads under a lock; only prepared statements.
class SqliteStore final : public Store {
  public:
    // Opens (creating when missing) and brings the schema up to date; null with an error
    // text when that fails.
    static std::unique_ptr<SqliteStore> Open(const std::string& path, std::string& error);
    ~SqliteStore() override;

    // The newest schema version applied.
    int SchemaVersion();

    bool CreateAccount(const Account& account) override;
    bool ReplacePending(const Account& account) override;
    std::optional<Account> FindAccount(const std::string& key) override;
    std::vector<Account> ListAccounts() override;
    bool Activate(const std::string& key, const std::string& hash, bool mustChange,
                  std::int64_t now) override;
    bool SetPasswordHash(const std::string& key, const std::string& hash, bool mustChange) override;
    bool SetState(const std::string& key, AccountState state) override;
    bool PutSession(const std::string& key, const Session& session) override;
    std::optional<Session> FindSession(const std::string& key) override;
    bool DropSession(const std::string& key) override;
    std::int64_t
    PutSource(const PoolSource& source,
              const std::vector<std::pair<std::string, std::string>>& drivers) override;
    std::vector<PoolGP> ListPool(int limit) override;
    std::vector<std::pair<std::string, std::string>> PoolDrivers(int date,
                                                                 const std::string& name) override;
    std::vector<PoolSource> ListSources(int date, const std::string& name) override;
    std::optional<PoolSource> FindSource(std::int64_t id) override;
    int CountSourcesOf(const std::string& userKey) override;
    bool CountDownload(std::int64_t id, const std::string& userKey) override;
    bool RemoveSource(std::int64_t id) override;
    std::pair<std::int64_t, std::int64_t> Revision() override;
    std::optional<std::string> Setting(const std::string& name) override;
    bool PutSetting(const std::string& name, const std::string& value) override;

  private:
    explicit SqliteStore(sqlite3* db) : db_(db) {}
    bool Migrate(std::string& error);
    // A cached prepared statement, reset and with its bindings cleared.
    sqlite3_stmt* Prepare(const char* sql);
    bool WriteAccount(const char* sql, const Account& account);
    // The writes of PutSource inside its transaction; the id, 0 on failure.
    std::int64_t WriteSource(const PoolSource& source,
                             const std::vector<std::pair<std::string, std::string>>& drivers);

    std::mutex mutex_;
    sqlite3* db_;
    std::vector<std::pair<const char*, sqlite3_stmt*>> statements_;
};

} // namespace qor::server
