#pragma once
// The storage of accounts, log-in sessions, the shared GP pool, the message boards, the guess
// game and service settings, behind one interface so that another database can stand in for
// the embedded one.

#include "online/GuessGame.h"

#include <cstddef>
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

// One message of a board.
struct BoardPost {
    std::int64_t Id = 0;
    std::string Board, UserKey, UserName;
    std::string Version; // of the writer's program
    std::string Text;
    std::int64_t CreatedAt = 0;
};

// A Grand Prix of the guess game.
struct GuessGP {
    std::int64_t Id = 0;
    int Date = 0; // YYYYMMDD
    std::string Name;
    std::int64_t ClosesAt = 0;
    bool Open = false, Scored = false;
    qor::online::GuessIds Result{};
};

// One user's guess for one Grand Prix, with its points once the result is in.
struct GuessEntry {
    std::int64_t GP = 0;
    std::string UserKey, UserName;
    qor::online::GuessIds Ids{};
    int Points = 0;
    std::int64_t SavedAt = 0;
};

// A player of the ranking: the sum of his points over all scored Grands Prix.
struct GuessStanding {
    std::string UserName;
    int Points = 0;
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

    // Stores a message under a new id (never reused); the id, 0 on failure.
    virtual std::int64_t PutMessage(const BoardPost& post) = 0;
    // The text sizes in bytes of a board's messages, newest first (for cutting pages).
    virtual std::vector<std::size_t> MessageSizes(const std::string& board) = 0;
    // A board's messages newest first, from the offset-th on, at most limit of them.
    virtual std::vector<BoardPost> ListMessages(const std::string& board, int offset,
                                                int limit) = 0;
    // Removes a message of the board only when this user wrote it; false otherwise.
    virtual bool RemoveMessage(const std::string& board, std::int64_t id,
                               const std::string& userKey) = 0;
    // One mark per user: a new mark replaces the old.
    virtual bool PutMark(const std::string& userKey, int mark, std::int64_t now) = 0;
    // The sum and the count of all marks.
    virtual std::pair<std::int64_t, int> Marks() = 0;

    // The driver's id; a name already offered (in any letter case) keeps its id. 0 on failure.
    virtual int PutGuessDriver(const std::string& name) = 0;
    // The drivers offered for guessing, by id.
    virtual std::vector<std::pair<int, std::string>> GuessDrivers() = 0;
    // Opens a Grand Prix for guessing (one of this date and name is opened again) and closes
    // every other; its id, 0 on failure.
    virtual std::int64_t OpenGuessGP(int date, const std::string& name, std::int64_t closesAt) = 0;
    // Closes the open Grand Prix; how many were closed, -1 on failure.
    virtual int CloseGuessGPs() = 0;
    virtual std::optional<GuessGP> ActiveGuessGP() = 0;
    // The Grands Prix of one date (newest first).
    virtual std::vector<GuessGP> GuessGPsOn(int date) = 0;
    // Scored Grands Prix, newest date first, at most limit of them.
    virtual std::vector<GuessGP> ScoredGuessGPs(int limit) = 0;
    // Stores a guess; the user's earlier guess for the same Grand Prix is replaced.
    virtual bool PutGuess(const GuessEntry& guess) = 0;
    virtual std::vector<GuessEntry> GuessesOfGP(std::int64_t gp) = 0;
    virtual std::vector<GuessEntry> GuessesOfUser(const std::string& userKey) = 0;
    // Enters a result and the points of each user's guess in one transaction; the Grand Prix
    // stops taking guesses.
    virtual bool PutGuessResult(std::int64_t gp, const qor::online::GuessIds& result,
                                const std::vector<std::pair<std::string, int>>& points) = 0;
    // Every user with a scored guess, most points first (equal points by name).
    virtual std::vector<GuessStanding> GuessRanking() = 0;

    virtual std::optional<std::string> Setting(const std::string& name) = 0;
    virtual bool PutSetting(const std::string& name, const std::string& value) = 0;
};

} // namespace qor::server
