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
    std::int64_t PutMessage(const BoardPost& post) override;
    std::vector<std::size_t> MessageSizes(const std::string& board) override;
    std::vector<BoardPost> ListMessages(const std::string& board, int offset, int limit) override;
    bool RemoveMessage(const std::string& board, std::int64_t id,
                       const std::string& userKey) override;
    bool PutMark(const std::string& userKey, int mark, std::int64_t now) override;
    std::pair<std::int64_t, int> Marks() override;
    int PutGuessDriver(const std::string& name) override;
    std::vector<std::pair<int, std::string>> GuessDrivers() override;
    std::int64_t OpenGuessGP(int date, const std::string& name, std::int64_t closesAt) override;
    int CloseGuessGPs() override;
    std::optional<GuessGP> ActiveGuessGP() override;
    std::vector<GuessGP> GuessGPsOn(int date) override;
    std::vector<GuessGP> ScoredGuessGPs(int limit) override;
    bool PutGuess(const GuessEntry& guess) override;
    std::vector<GuessEntry> GuessesOfGP(std::int64_t gp) override;
    std::vector<GuessEntry> GuessesOfUser(const std::string& userKey) override;
    bool PutGuessResult(std::int64_t gp, const qor::online::GuessIds& result,
                        const std::vector<std::pair<std::string, int>>& points) override;
    std::vector<GuessStanding> GuessRanking() override;
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

    // Runs body inside BEGIN IMMEDIATE .. COMMIT; rolls back when it returns false.
    template <class F> bool InTransaction(F body);

    std::mutex mutex_;
    sqlite3* db_;
    std::vector<std::pair<const char*, sqlite3_stmt*>> statements_;
};

} // namespace qor::server
