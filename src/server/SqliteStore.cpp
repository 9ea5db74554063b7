#include "SqliteStore.h"

#include <sqlite3.h>

#include <chrono>
#include <stdexcept>

namespace qor::server {

namespace {

// Schema versions in order; each is applied once, in one transaction, and recorded. The SQL
// keeps to what PostgreSQL accepts too.
const std::vector<std::vector<const char*>>& Migrations() {
    static const std::vector<std::vector<const char*>> migrations = {
        {
            "CREATE TABLE accounts ("
            " name_key VARCHAR(30) PRIMARY KEY,"
            " name VARCHAR(30) NOT NULL,"
            " email VARCHAR(50) NOT NULL,"
            " news SMALLINT NOT NULL,"
            " state SMALLINT NOT NULL,"
            " password_hash VARCHAR(255) NOT NULL,"
            " token_hash VARCHAR(128) NOT NULL,"
            " must_change SMALLINT NOT NULL,"
            " created_at BIGINT NOT NULL,"
            " confirmed_at BIGINT NOT NULL)",
            "CREATE TABLE sessions ("
            " name_key VARCHAR(30) PRIMARY KEY REFERENCES accounts (name_key),"
            " code INTEGER NOT NULL,"
            " expires_at BIGINT NOT NULL)",
            "CREATE TABLE settings (name VARCHAR(40) PRIMARY KEY, value TEXT NOT NULL)",
        },
        {
            // Ids are handed out from a counter, never reused: a removed source's id must
            // not come back as another GP to a program that still shows the old list.
            "CREATE TABLE counters (name VARCHAR(40) PRIMARY KEY, value BIGINT NOT NULL)",
            "INSERT INTO counters (name, value) VALUES ('sources', 0)",
            "CREATE TABLE sources ("
            " id BIGINT PRIMARY KEY,"
            " name_key VARCHAR(30) NOT NULL REFERENCES accounts (name_key),"
            " gp_date INTEGER NOT NULL,"
            " gp_name VARCHAR(30) NOT NULL,"
            " track VARCHAR(30) NOT NULL,"
            " content TEXT NOT NULL,"
            " created_at BIGINT NOT NULL,"
            " updated_at BIGINT NOT NULL,"
            " UNIQUE (name_key, gp_date, gp_name))",
            "CREATE INDEX sources_gp ON sources (gp_date, gp_name)",
            "CREATE TABLE downloads ("
            " source_id BIGINT NOT NULL REFERENCES sources (id) ON DELETE CASCADE,"
            " name_key VARCHAR(30) NOT NULL,"
            " PRIMARY KEY (source_id, name_key))",
            "CREATE TABLE source_drivers ("
            " source_id BIGINT NOT NULL REFERENCES sources (id) ON DELETE CASCADE,"
            " name VARCHAR(30) NOT NULL,"
            " nationality VARCHAR(30) NOT NULL,"
            " PRIMARY KEY (source_id, name))",
        },
        {
            // Message ids come from a counter too: the program deletes by id.
            "INSERT INTO counters (name, value) VALUES ('messages', 0)",
            "CREATE TABLE board_messages ("
            " id BIGINT PRIMARY KEY,"
            " board VARCHAR(10) NOT NULL,"
            " name_key VARCHAR(30) NOT NULL REFERENCES accounts (name_key),"
            " version VARCHAR(10) NOT NULL,"
            " text_bytes INTEGER NOT NULL,"
            " body TEXT NOT NULL,"
            " created_at BIGINT NOT NULL)",
            "CREATE INDEX board_messages_board ON board_messages (board, id)",
            "CREATE TABLE marks ("
            " name_key VARCHAR(30) PRIMARY KEY REFERENCES accounts (name_key),"
            " mark SMALLINT NOT NULL,"
            " updated_at BIGINT NOT NULL)",
            "CREATE TABLE guess_drivers ("
            " id INTEGER PRIMARY KEY,"
            " name_key VARCHAR(30) NOT NULL UNIQUE,"
            " name VARCHAR(30) NOT NULL)",
            // Driver ids are kept as ten numbers separated by blanks: they are only ever
            // read and written whole.
            "CREATE TABLE guess_gps ("
            " id BIGINT PRIMARY KEY,"
            " gp_date INTEGER NOT NULL,"
            " name VARCHAR(30) NOT NULL,"
            " closes_at BIGINT NOT NULL,"
            " is_open SMALLINT NOT NULL,"
            " scored SMALLINT NOT NULL,"
            " result VARCHAR(80) NOT NULL,"
            " UNIQUE (gp_date, name))",
            "CREATE TABLE guesses ("
            " gp_id BIGINT NOT NULL REFERENCES guess_gps (id),"
            " name_key VARCHAR(30) NOT NULL REFERENCES accounts (name_key),"
            " ids VARCHAR(80) NOT NULL,"
            " points INTEGER NOT NULL,"
            " saved_at BIGINT NOT NULL,"
            " PRIMARY KEY (gp_id, name_key))",
        },
    };
    return migrations;
}

constexpr const char* SourceColumns =
    "s.id, s.name_key, a.name, s.gp_date, s.gp_name, s.track, s.created_at, s.updated_at,"
    " (SELECT COUNT(*) FROM downloads d WHERE d.source_id = s.id)";

PoolSource ReadSource(sqlite3_stmt* st);

constexpr const char* AccountColumns =
    "name_key, name, email, news, state, password_hash, token_hash, must_change, created_at,"
    " confirmed_at";

std::string Text(sqlite3_stmt* st, int column) {
    const auto* p = sqlite3_column_text(st, column);
    return p ? std::string(reinterpret_cast<const char*>(p),
                           static_cast<std::size_t>(sqlite3_column_bytes(st, column)))
             : std::string();
}

void Bind(sqlite3_stmt* st, int index, const std::string& text) {
    sqlite3_bind_text(st, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

Account ReadAccount(sqlite3_stmt* st) {
    Account a;
    a.Key = Text(st, 0);
    a.Name = Text(st, 1);
    a.Email = Text(st, 2);
    a.News = sqlite3_column_int(st, 3) != 0;
    a.State = static_cast<AccountState>(sqlite3_column_int(st, 4));
    a.PasswordHash = Text(st, 5);
    a.TokenHash = Text(st, 6);
    a.MustChange = sqlite3_column_int(st, 7) != 0;
    a.CreatedAt = sqlite3_column_int64(st, 8);
    a.ConfirmedAt = sqlite3_column_int64(st, 9);
    return a;
}

PoolSource ReadSource(sqlite3_stmt* st) {
    PoolSource s;
    s.Id = sqlite3_column_int64(st, 0);
    s.UserKey = Text(st, 1);
    s.UserName = Text(st, 2);
    s.Date = sqlite3_column_int(st, 3);
    s.Name = Text(st, 4);
    s.Track = Text(st, 5);
    s.CreatedAt = sqlite3_column_int64(st, 6);
    s.UpdatedAt = sqlite3_column_int64(st, 7);
    s.Downloads = sqlite3_column_int(st, 8);
    return s;
}

// Resets a statement when it goes out of use, which also ends its read transaction (a
// statement left stepping would pin an old snapshot and hide other processes' writes).
struct Resetter {
    sqlite3_stmt* st;
    ~Resetter() { sqlite3_reset(st); }
    operator sqlite3_stmt*() const { return st; }
};

// Runs a statement that returns no rows; true when it completed and changed rows when asked.
bool Done(sqlite3* db, sqlite3_stmt* st, bool mustChangeRows = false) {
    if (sqlite3_step(st) != SQLITE_DONE) return false;
    return !mustChangeRows || sqlite3_changes(db) > 0;
}

std::string IdsText(const qor::online::GuessIds& ids) {
    std::string out;
    for (int id : ids)
        out += (out.empty() ? "" : " ") + std::to_string(id);
    return out;
}

qor::online::GuessIds ReadIds(const std::string& text) {
    qor::online::GuessIds ids{};
    std::size_t at = 0;
    for (int& id : ids) {
        std::size_t used = 0;
        try {
            id = std::stoi(text.substr(at), &used);
        } catch (const std::exception&) {
            break;
        }
        at += used;
    }
    return ids;
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

constexpr const char* GPColumns = "id, gp_date, name, closes_at, is_open, scored, result";

GuessGP ReadGP(sqlite3_stmt* st) {
    GuessGP gp;
    gp.Id = sqlite3_column_int64(st, 0);
    gp.Date = sqlite3_column_int(st, 1);
    gp.Name = Text(st, 2);
    gp.ClosesAt = sqlite3_column_int64(st, 3);
    gp.Open = sqlite3_column_int(st, 4) != 0;
    gp.Scored = sqlite3_column_int(st, 5) != 0;
    gp.Result = ReadIds(Text(st, 6));
    return gp;
}

constexpr const char* GuessColumns =
    "g.gp_id, g.name_key, a.name, g.ids, g.points, g.saved_at FROM guesses g"
    " JOIN accounts a ON a.name_key = g.name_key";

GuessEntry ReadGuess(sqlite3_stmt* st) {
    GuessEntry g;
    g.GP = sqlite3_column_int64(st, 0);
    g.UserKey = Text(st, 1);
    g.UserName = Text(st, 2);
    g.Ids = ReadIds(Text(st, 3));
    g.Points = sqlite3_column_int(st, 4);
    g.SavedAt = sqlite3_column_int64(st, 5);
    return g;
}

} // namespace

template <class F> bool SqliteStore::InTransaction(F body) {
    if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return false;
    if (!body() || sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    return true;
}

std::unique_ptr<SqliteStore> SqliteStore::Open(const std::string& path, std::string& error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        error = "cannot open " + path + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<SqliteStore> store(new SqliteStore(db));
    // Other processes (the admin command) may write while the service runs: wait for them.
    sqlite3_busy_timeout(db, 5000);
    // A write acknowledged to a user must survive a crash or a power cut: FULL syncs the log
    // at every commit.
    for (const char* pragma :
         {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL", "PRAGMA foreign_keys=ON"}) {
        if (sqlite3_exec(db, pragma, nullptr, nullptr, nullptr) != SQLITE_OK) {
            error = std::string(pragma) + ": " + sqlite3_errmsg(db);
            return nullptr;
        }
    }
    if (!store->Migrate(error)) return nullptr;
    return store;
}

SqliteStore::~SqliteStore() {
    for (auto& [sql, st] : statements_)
        sqlite3_finalize(st);
    sqlite3_close(db_);
}

bool SqliteStore::Migrate(std::string& error) {
    std::lock_guard lock(mutex_);
    auto fail = [&] {
        error = std::string("schema update: ") + sqlite3_errmsg(db_);
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    };
    if (sqlite3_exec(db_,
                     "CREATE TABLE IF NOT EXISTS schema_migrations ("
                     " version INTEGER PRIMARY KEY, applied_at BIGINT NOT NULL)",
                     nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail();
    const auto& migrations = Migrations();
    for (std::size_t i = 0; i < migrations.size(); ++i) {
        const int version = static_cast<int>(i) + 1;
        // Exclusive: two processes starting at once must not both apply a version.
        if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
            return fail();
        bool applied = false;
        {
            const Resetter st{Prepare("SELECT COUNT(*) FROM schema_migrations WHERE version = ?")};
            sqlite3_bind_int(st, 1, version);
            applied = sqlite3_step(st) == SQLITE_ROW && sqlite3_column_int(st, 0) > 0;
        }
        if (!applied) {
            for (const char* sql : migrations[i])
                if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) return fail();
            const Resetter st{
                Prepare("INSERT INTO schema_migrations (version, applied_at) VALUES (?, ?)")};
            sqlite3_bind_int(st, 1, version);
            sqlite3_bind_int64(st, 2,
                               std::chrono::duration_cast<std::chrono::seconds>(
                                   std::chrono::system_clock::now().time_since_epoch())
                                   .count());
            if (!Done(db_, st)) return fail();
        }
        if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) return fail();
    }
    return true;
}

int SqliteStore::SchemaVersion() {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("SELECT MAX(version) FROM schema_migrations")};
    return sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : 0;
}

sqlite3_stmt* SqliteStore::Prepare(const char* sql) {
    // Statements are string literals: the pointer is their identity.
    for (auto& [text, st] : statements_) {
        if (text == sql) {
            sqlite3_reset(st);
            sqlite3_clear_bindings(st);
            return st;
        }
    }
    sqlite3_stmt* st = nullptr;
    // A statement that does not prepare is a programming error; the step on null fails.
    sqlite3_prepare_v2(db_, sql, -1, &st, nullptr);
    if (st) statements_.emplace_back(sql, st);
    return st;
}

bool SqliteStore::WriteAccount(const char* sql, const Account& a) {
    const Resetter st{Prepare(sql)};
    Bind(st, 1, a.Key);
    Bind(st, 2, a.Name);
    Bind(st, 3, a.Email);
    sqlite3_bind_int(st, 4, a.News ? 1 : 0);
    sqlite3_bind_int(st, 5, static_cast<int>(a.State));
    Bind(st, 6, a.PasswordHash);
    Bind(st, 7, a.TokenHash);
    sqlite3_bind_int(st, 8, a.MustChange ? 1 : 0);
    sqlite3_bind_int64(st, 9, a.CreatedAt);
    sqlite3_bind_int64(st, 10, a.ConfirmedAt);
    return Done(db_, st, true);
}

bool SqliteStore::CreateAccount(const Account& a) {
    std::lock_guard lock(mutex_);
    return WriteAccount("INSERT INTO accounts (name_key, name, email, news, state, password_hash,"
                        " token_hash, must_change, created_at, confirmed_at)"
                        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                        a);
}

bool SqliteStore::ReplacePending(const Account& a) {
    std::lock_guard lock(mutex_);
    // The state condition makes the replacement safe against a confirmation in between.
    const Resetter st{Prepare("UPDATE accounts SET name = ?, email = ?, news = ?, token_hash = ?,"
                              " created_at = ? WHERE name_key = ? AND state = 0")};
    Bind(st, 1, a.Name);
    Bind(st, 2, a.Email);
    sqlite3_bind_int(st, 3, a.News ? 1 : 0);
    Bind(st, 4, a.TokenHash);
    sqlite3_bind_int64(st, 5, a.CreatedAt);
    Bind(st, 6, a.Key);
    return Done(db_, st, true);
}

std::optional<Account> SqliteStore::FindAccount(const std::string& key) {
    std::lock_guard lock(mutex_);
    static const std::string sql =
        std::string("SELECT ") + AccountColumns + " FROM accounts WHERE name_key = ?";
    const Resetter st{Prepare(sql.c_str())};
    Bind(st, 1, key);
    if (sqlite3_step(st) != SQLITE_ROW) return std::nullopt;
    return ReadAccount(st);
}

std::vector<Account> SqliteStore::ListAccounts() {
    std::lock_guard lock(mutex_);
    static const std::string sql =
        std::string("SELECT ") + AccountColumns + " FROM accounts ORDER BY name_key";
    const Resetter st{Prepare(sql.c_str())};
    std::vector<Account> out;
    while (sqlite3_step(st) == SQLITE_ROW)
        out.push_back(ReadAccount(st));
    return out;
}

bool SqliteStore::Activate(const std::string& key, const std::string& hash, bool mustChange,
                           std::int64_t now) {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("UPDATE accounts SET state = 1, password_hash = ?, token_hash = '',"
                              " must_change = ?, confirmed_at = ? WHERE name_key = ?")};
    Bind(st, 1, hash);
    sqlite3_bind_int(st, 2, mustChange ? 1 : 0);
    sqlite3_bind_int64(st, 3, now);
    Bind(st, 4, key);
    return Done(db_, st, true);
}

bool SqliteStore::SetPasswordHash(const std::string& key, const std::string& hash,
                                  bool mustChange) {
    std::lock_guard lock(mutex_);
    const Resetter st{
        Prepare("UPDATE accounts SET password_hash = ?, must_change = ? WHERE name_key = ?")};
    Bind(st, 1, hash);
    sqlite3_bind_int(st, 2, mustChange ? 1 : 0);
    Bind(st, 3, key);
    return Done(db_, st, true);
}

bool SqliteStore::SetState(const std::string& key, AccountState state) {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("UPDATE accounts SET state = ? WHERE name_key = ?")};
    sqlite3_bind_int(st, 1, static_cast<int>(state));
    Bind(st, 2, key);
    return Done(db_, st, true);
}

bool SqliteStore::PutSession(const std::string& key, const Session& s) {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("INSERT INTO sessions (name_key, code, expires_at) VALUES (?, ?, ?)"
                              " ON CONFLICT (name_key) DO UPDATE SET code = excluded.code,"
                              " expires_at = excluded.expires_at")};
    Bind(st, 1, key);
    sqlite3_bind_int(st, 2, s.Code);
    sqlite3_bind_int64(st, 3, s.ExpiresAt);
    return Done(db_, st, true);
}

std::optional<Session> SqliteStore::FindSession(const std::string& key) {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("SELECT code, expires_at FROM sessions WHERE name_key = ?")};
    Bind(st, 1, key);
    if (sqlite3_step(st) != SQLITE_ROW) return std::nullopt;
    return Session{sqlite3_column_int(st, 0), sqlite3_column_int64(st, 1)};
}

bool SqliteStore::DropSession(const std::string& key) {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("DELETE FROM sessions WHERE name_key = ?")};
    Bind(st, 1, key);
    return Done(db_, st);
}

std::int64_t
SqliteStore::PutSource(const PoolSource& source,
                       const std::vector<std::pair<std::string, std::string>>& drivers) {
    std::lock_guard lock(mutex_);
    if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return 0;
    const std::int64_t id = WriteSource(source, drivers);
    if (id == 0 || sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        return 0;
    }
    return id;
}

std::int64_t
SqliteStore::WriteSource(const PoolSource& s,
                         const std::vector<std::pair<std::string, std::string>>& drivers) {
    std::int64_t id = 0;
    {
        const Resetter st{
            Prepare("SELECT id FROM sources WHERE name_key = ? AND gp_date = ? AND gp_name = ?")};
        Bind(st, 1, s.UserKey);
        sqlite3_bind_int(st, 2, s.Date);
        Bind(st, 3, s.Name);
        if (sqlite3_step(st) == SQLITE_ROW) id = sqlite3_column_int64(st, 0);
    }
    if (id != 0) {
        const Resetter update{
            Prepare("UPDATE sources SET track = ?, content = ?, updated_at = ? WHERE id = ?")};
        Bind(update, 1, s.Track);
        Bind(update, 2, s.Content);
        sqlite3_bind_int64(update, 3, s.UpdatedAt);
        sqlite3_bind_int64(update, 4, id);
        const Resetter clear{Prepare("DELETE FROM source_drivers WHERE source_id = ?")};
        sqlite3_bind_int64(clear, 1, id);
        if (!Done(db_, update, true) || !Done(db_, clear)) return 0;
    } else {
        const Resetter next{
            Prepare("UPDATE counters SET value = value + 1 WHERE name = 'sources'")};
        if (!Done(db_, next, true)) return 0;
        const Resetter read{Prepare("SELECT value FROM counters WHERE name = 'sources'")};
        if (sqlite3_step(read) != SQLITE_ROW) return 0;
        id = sqlite3_column_int64(read, 0);
        const Resetter insert{
            Prepare("INSERT INTO sources (id, name_key, gp_date, gp_name, track, content,"
                    " created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")};
        sqlite3_bind_int64(insert, 1, id);
        Bind(insert, 2, s.UserKey);
        sqlite3_bind_int(insert, 3, s.Date);
        Bind(insert, 4, s.Name);
        Bind(insert, 5, s.Track);
        Bind(insert, 6, s.Content);
        sqlite3_bind_int64(insert, 7, s.CreatedAt);
        sqlite3_bind_int64(insert, 8, s.UpdatedAt);
        if (!Done(db_, insert, true)) return 0;
    }
    for (const auto& [name, nationality] : drivers) {
        const Resetter st{
            Prepare("INSERT INTO source_drivers (source_id, name, nationality) VALUES (?, ?, ?)")};
        sqlite3_bind_int64(st, 1, id);
        Bind(st, 2, name);
        Bind(st, 3, nationality);
        if (!Done(db_, st, true)) return 0;
    }
    return id;
}

std::vector<PoolGP> SqliteStore::ListPool(int limit) {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare(
        "SELECT s.gp_date, s.gp_name, MIN(s.track), COUNT(DISTINCT s.id), COUNT(d.source_id)"
        " FROM sources s LEFT JOIN downloads d ON d.source_id = s.id"
        " GROUP BY s.gp_date, s.gp_name ORDER BY s.gp_date DESC, s.gp_name LIMIT ?")};
    sqlite3_bind_int(st, 1, limit);
    std::vector<PoolGP> out;
    while (sqlite3_step(st) == SQLITE_ROW)
        out.push_back({sqlite3_column_int(st, 0), Text(st, 1), Text(st, 2),
                       sqlite3_column_int(st, 3), sqlite3_column_int(st, 4)});
    return out;
}

std::vector<std::pair<std::string, std::string>> SqliteStore::PoolDrivers(int date,
                                                                          const std::string& name) {
    std::lock_guard lock(mutex_);
    const Resetter st{
        Prepare("SELECT sd.name, MIN(sd.nationality) FROM source_drivers sd"
                " JOIN sources s ON s.id = sd.source_id WHERE s.gp_date = ? AND s.gp_name = ?"
                " GROUP BY sd.name ORDER BY sd.name")};
    sqlite3_bind_int(st, 1, date);
    Bind(st, 2, name);
    std::vector<std::pair<std::string, std::string>> out;
    while (sqlite3_step(st) == SQLITE_ROW)
        out.emplace_back(Text(st, 0), Text(st, 1));
    return out;
}

std::vector<PoolSource> SqliteStore::ListSources(int date, const std::string& name) {
    std::lock_guard lock(mutex_);
    static const std::string one = std::string("SELECT ") + SourceColumns +
                                   " FROM sources s JOIN accounts a ON a.name_key = s.name_key"
                                   " WHERE s.gp_date = ? AND s.gp_name = ?"
                                   " ORDER BY s.updated_at DESC, s.id DESC";
    static const std::string all = std::string("SELECT ") + SourceColumns +
                                   " FROM sources s JOIN accounts a ON a.name_key = s.name_key"
                                   " ORDER BY s.gp_date DESC, s.gp_name, s.id";
    const Resetter st{Prepare(date == 0 ? all.c_str() : one.c_str())};
    if (date != 0) {
        sqlite3_bind_int(st, 1, date);
        Bind(st, 2, name);
    }
    std::vector<PoolSource> out;
    while (sqlite3_step(st) == SQLITE_ROW)
        out.push_back(ReadSource(st));
    return out;
}

std::optional<PoolSource> SqliteStore::FindSource(std::int64_t id) {
    std::lock_guard lock(mutex_);
    static const std::string sql = std::string("SELECT ") + SourceColumns +
                                   ", s.content FROM sources s"
                                   " JOIN accounts a ON a.name_key = s.name_key WHERE s.id = ?";
    const Resetter st{Prepare(sql.c_str())};
    sqlite3_bind_int64(st, 1, id);
    if (sqlite3_step(st) != SQLITE_ROW) return std::nullopt;
    PoolSource s = ReadSource(st);
    s.Content = Text(st, 9);
    return s;
}

int SqliteStore::CountSourcesOf(const std::string& userKey) {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("SELECT COUNT(*) FROM sources WHERE name_key = ?")};
    Bind(st, 1, userKey);
    return sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : 0;
}

bool SqliteStore::CountDownload(std::int64_t id, const std::string& userKey) {
    std::lock_guard lock(mutex_);
    // A source that is gone fails the reference and counts nothing.
    const Resetter st{Prepare("INSERT INTO downloads (source_id, name_key) VALUES (?, ?)"
                              " ON CONFLICT (source_id, name_key) DO NOTHING")};
    sqlite3_bind_int64(st, 1, id);
    Bind(st, 2, userKey);
    return Done(db_, st, true);
}

bool SqliteStore::RemoveSource(std::int64_t id) {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("DELETE FROM sources WHERE id = ?")};
    sqlite3_bind_int64(st, 1, id);
    return Done(db_, st, true);
}

std::int64_t SqliteStore::PutMessage(const BoardPost& p) {
    std::lock_guard lock(mutex_);
    std::int64_t id = 0;
    const bool ok = InTransaction([&] {
        const Resetter next{
            Prepare("UPDATE counters SET value = value + 1 WHERE name = 'messages'")};
        if (!Done(db_, next, true)) return false;
        const Resetter read{Prepare("SELECT value FROM counters WHERE name = 'messages'")};
        if (sqlite3_step(read) != SQLITE_ROW) return false;
        id = sqlite3_column_int64(read, 0);
        const Resetter st{
            Prepare("INSERT INTO board_messages (id, board, name_key, version, text_bytes, body,"
                    " created_at) VALUES (?, ?, ?, ?, ?, ?, ?)")};
        sqlite3_bind_int64(st, 1, id);
        Bind(st, 2, p.Board);
        Bind(st, 3, p.UserKey);
        Bind(st, 4, p.Version);
        sqlite3_bind_int64(st, 5, static_cast<std::int64_t>(p.Text.size()));
        Bind(st, 6, p.Text);
        sqlite3_bind_int64(st, 7, p.CreatedAt);
        return Done(db_, st, true);
    });
    return ok ? id : 0;
}

std::vector<std::size_t> SqliteStore::MessageSizes(const std::string& board) {
    std::lock_guard lock(mutex_);
    const Resetter st{
        Prepare("SELECT text_bytes FROM board_messages WHERE board = ? ORDER BY id DESC")};
    Bind(st, 1, board);
    std::vector<std::size_t> out;
    while (sqlite3_step(st) == SQLITE_ROW)
        out.push_back(static_cast<std::size_t>(sqlite3_column_int64(st, 0)));
    return out;
}

std::vector<BoardPost> SqliteStore::ListMessages(const std::string& board, int offset, int limit) {
    std::lock_guard lock(mutex_);
    const Resetter st{
        Prepare("SELECT m.id, m.board, m.name_key, a.name, m.version, m.body, m.created_at"
                " FROM board_messages m JOIN accounts a ON a.name_key = m.name_key"
                " WHERE m.board = ? ORDER BY m.id DESC LIMIT ? OFFSET ?")};
    Bind(st, 1, board);
    sqlite3_bind_int(st, 2, limit);
    sqlite3_bind_int(st, 3, offset);
    std::vector<BoardPost> out;
    while (sqlite3_step(st) == SQLITE_ROW)
        out.push_back({sqlite3_column_int64(st, 0), Text(st, 1), Text(st, 2), Text(st, 3),
                       Text(st, 4), Text(st, 5), sqlite3_column_int64(st, 6)});
    return out;
}

bool SqliteStore::RemoveMessage(const std::string& board, std::int64_t id,
                                const std::string& userKey) {
    std::lock_guard lock(mutex_);
    const Resetter st{
        Prepare("DELETE FROM board_messages WHERE id = ? AND board = ? AND name_key = ?")};
    sqlite3_bind_int64(st, 1, id);
    Bind(st, 2, board);
    Bind(st, 3, userKey);
    return Done(db_, st, true);
}

bool SqliteStore::PutMark(const std::string& userKey, int mark, std::int64_t now) {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("INSERT INTO marks (name_key, mark, updated_at) VALUES (?, ?, ?)"
                              " ON CONFLICT (name_key) DO UPDATE SET mark = excluded.mark,"
                              " updated_at = excluded.updated_at")};
    Bind(st, 1, userKey);
    sqlite3_bind_int(st, 2, mark);
    sqlite3_bind_int64(st, 3, now);
    return Done(db_, st, true);
}

std::pair<std::int64_t, int> SqliteStore::Marks() {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("SELECT COALESCE(SUM(mark), 0), COUNT(*) FROM marks")};
    if (sqlite3_step(st) != SQLITE_ROW) return {0, 0};
    return {sqlite3_column_int64(st, 0), sqlite3_column_int(st, 1)};
}

int SqliteStore::PutGuessDriver(const std::string& name) {
    std::lock_guard lock(mutex_);
    int id = 0;
    const bool ok = InTransaction([&] {
        {
            const Resetter find{Prepare("SELECT id FROM guess_drivers WHERE name_key = ?")};
            Bind(find, 1, Lower(name));
            if (sqlite3_step(find) == SQLITE_ROW) {
                id = sqlite3_column_int(find, 0);
                return true;
            }
        }
        // Drivers are never removed, so the next id is never one handed out before.
        const Resetter next{Prepare("SELECT COALESCE(MAX(id), 0) + 1 FROM guess_drivers")};
        if (sqlite3_step(next) != SQLITE_ROW) return false;
        id = sqlite3_column_int(next, 0);
        const Resetter st{
            Prepare("INSERT INTO guess_drivers (id, name_key, name) VALUES (?, ?, ?)")};
        sqlite3_bind_int(st, 1, id);
        Bind(st, 2, Lower(name));
        Bind(st, 3, name);
        return Done(db_, st, true);
    });
    return ok ? id : 0;
}

std::vector<std::pair<int, std::string>> SqliteStore::GuessDrivers() {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("SELECT id, name FROM guess_drivers ORDER BY id")};
    std::vector<std::pair<int, std::string>> out;
    while (sqlite3_step(st) == SQLITE_ROW)
        out.emplace_back(sqlite3_column_int(st, 0), Text(st, 1));
    return out;
}

std::int64_t SqliteStore::OpenGuessGP(int date, const std::string& name, std::int64_t closesAt) {
    std::lock_guard lock(mutex_);
    std::int64_t id = 0;
    const bool ok = InTransaction([&] {
        const Resetter close{Prepare("UPDATE guess_gps SET is_open = 0")};
        if (!Done(db_, close)) return false;
        {
            const Resetter find{Prepare("SELECT id FROM guess_gps WHERE gp_date = ? AND name = ?")};
            sqlite3_bind_int(find, 1, date);
            Bind(find, 2, name);
            if (sqlite3_step(find) == SQLITE_ROW) id = sqlite3_column_int64(find, 0);
        }
        if (id != 0) {
            const Resetter st{
                Prepare("UPDATE guess_gps SET is_open = 1, closes_at = ? WHERE id = ?")};
            sqlite3_bind_int64(st, 1, closesAt);
            sqlite3_bind_int64(st, 2, id);
            return Done(db_, st, true);
        }
        const Resetter next{Prepare("SELECT COALESCE(MAX(id), 0) + 1 FROM guess_gps")};
        if (sqlite3_step(next) != SQLITE_ROW) return false;
        id = sqlite3_column_int64(next, 0);
        const Resetter st{Prepare("INSERT INTO guess_gps (id, gp_date, name, closes_at, is_open,"
                                  " scored, result) VALUES (?, ?, ?, ?, 1, 0, ?)")};
        sqlite3_bind_int64(st, 1, id);
        sqlite3_bind_int(st, 2, date);
        Bind(st, 3, name);
        sqlite3_bind_int64(st, 4, closesAt);
        Bind(st, 5, IdsText({}));
        return Done(db_, st, true);
    });
    return ok ? id : 0;
}

int SqliteStore::CloseGuessGPs() {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("UPDATE guess_gps SET is_open = 0 WHERE is_open = 1")};
    return Done(db_, st) ? sqlite3_changes(db_) : -1;
}

std::optional<GuessGP> SqliteStore::ActiveGuessGP() {
    std::lock_guard lock(mutex_);
    static const std::string sql =
        std::string("SELECT ") + GPColumns + " FROM guess_gps WHERE is_open = 1";
    const Resetter st{Prepare(sql.c_str())};
    if (sqlite3_step(st) != SQLITE_ROW) return std::nullopt;
    return ReadGP(st);
}

std::vector<GuessGP> SqliteStore::GuessGPsOn(int date) {
    std::lock_guard lock(mutex_);
    static const std::string sql =
        std::string("SELECT ") + GPColumns + " FROM guess_gps WHERE gp_date = ? ORDER BY id DESC";
    const Resetter st{Prepare(sql.c_str())};
    sqlite3_bind_int(st, 1, date);
    std::vector<GuessGP> out;
    while (sqlite3_step(st) == SQLITE_ROW)
        out.push_back(ReadGP(st));
    return out;
}

std::vector<GuessGP> SqliteStore::ScoredGuessGPs(int limit) {
    std::lock_guard lock(mutex_);
    static const std::string sql = std::string("SELECT ") + GPColumns +
                                   " FROM guess_gps WHERE scored = 1"
                                   " ORDER BY gp_date DESC, id DESC LIMIT ?";
    const Resetter st{Prepare(sql.c_str())};
    sqlite3_bind_int(st, 1, limit);
    std::vector<GuessGP> out;
    while (sqlite3_step(st) == SQLITE_ROW)
        out.push_back(ReadGP(st));
    return out;
}

bool SqliteStore::PutGuess(const GuessEntry& g) {
    std::lock_guard lock(mutex_);
    const Resetter st{
        Prepare("INSERT INTO guesses (gp_id, name_key, ids, points, saved_at)"
                " VALUES (?, ?, ?, ?, ?) ON CONFLICT (gp_id, name_key) DO UPDATE SET"
                " ids = excluded.ids, points = excluded.points, saved_at = excluded.saved_at")};
    sqlite3_bind_int64(st, 1, g.GP);
    Bind(st, 2, g.UserKey);
    Bind(st, 3, IdsText(g.Ids));
    sqlite3_bind_int(st, 4, g.Points);
    sqlite3_bind_int64(st, 5, g.SavedAt);
    return Done(db_, st, true);
}

std::vector<GuessEntry> SqliteStore::GuessesOfGP(std::int64_t gp) {
    std::lock_guard lock(mutex_);
    static const std::string sql =
        std::string("SELECT ") + GuessColumns + " WHERE g.gp_id = ? ORDER BY g.name_key";
    const Resetter st{Prepare(sql.c_str())};
    sqlite3_bind_int64(st, 1, gp);
    std::vector<GuessEntry> out;
    while (sqlite3_step(st) == SQLITE_ROW)
        out.push_back(ReadGuess(st));
    return out;
}

std::vector<GuessEntry> SqliteStore::GuessesOfUser(const std::string& userKey) {
    std::lock_guard lock(mutex_);
    static const std::string sql =
        std::string("SELECT ") + GuessColumns + " WHERE g.name_key = ? ORDER BY g.gp_id DESC";
    const Resetter st{Prepare(sql.c_str())};
    Bind(st, 1, userKey);
    std::vector<GuessEntry> out;
    while (sqlite3_step(st) == SQLITE_ROW)
        out.push_back(ReadGuess(st));
    return out;
}

bool SqliteStore::PutGuessResult(std::int64_t gp, const qor::online::GuessIds& result,
                                 const std::vector<std::pair<std::string, int>>& points) {
    std::lock_guard lock(mutex_);
    return InTransaction([&] {
        const Resetter st{
            Prepare("UPDATE guess_gps SET result = ?, scored = 1, is_open = 0 WHERE id = ?")};
        Bind(st, 1, IdsText(result));
        sqlite3_bind_int64(st, 2, gp);
        if (!Done(db_, st, true)) return false;
        for (const auto& [key, value] : points) {
            const Resetter score{
                Prepare("UPDATE guesses SET points = ? WHERE gp_id = ? AND name_key = ?")};
            sqlite3_bind_int(score, 1, value);
            sqlite3_bind_int64(score, 2, gp);
            Bind(score, 3, key);
            if (!Done(db_, score, true)) return false;
        }
        return true;
    });
}

std::vector<GuessStanding> SqliteStore::GuessRanking() {
    std::lock_guard lock(mutex_);
    const Resetter st{
        Prepare("SELECT a.name, SUM(g.points) AS total FROM guesses g"
                " JOIN guess_gps p ON p.id = g.gp_id JOIN accounts a ON a.name_key = g.name_key"
                " WHERE p.scored = 1 GROUP BY g.name_key, a.name ORDER BY total DESC, g.name_key")};
    std::vector<GuessStanding> out;
    while (sqlite3_step(st) == SQLITE_ROW)
        out.push_back({Text(st, 0), sqlite3_column_int(st, 1)});
    return out;
}

std::pair<std::int64_t, std::int64_t> SqliteStore::Revision() {
    std::lock_guard lock(mutex_);
    // data_version moves with other connections' commits, total_changes with this one's.
    const Resetter st{Prepare("PRAGMA data_version")};
    const std::int64_t others = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
    return {others, sqlite3_total_changes64(db_)};
}

std::optional<std::string> SqliteStore::Setting(const std::string& name) {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("SELECT value FROM settings WHERE name = ?")};
    Bind(st, 1, name);
    if (sqlite3_step(st) != SQLITE_ROW) return std::nullopt;
    return Text(st, 0);
}

bool SqliteStore::PutSetting(const std::string& name, const std::string& value) {
    std::lock_guard lock(mutex_);
    const Resetter st{Prepare("INSERT INTO settings (name, value) VALUES (?, ?)"
                              " ON CONFLICT (name) DO UPDATE SET value = excluded.value")};
    Bind(st, 1, name);
    Bind(st, 2, value);
    return Done(db_, st, true);
}

} // namespace qor::server
