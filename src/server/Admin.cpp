#include "Admin.h"
#include "ServiceText.h"

#include "Accounts.h"
#include "Guesses.h"
#include "ServerConfig.h"
#include "SqliteStore.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>

namespace qor::server {

namespace online = qor::online;

namespace {

constexpr const char* Usage =
    "usage: qor-server admin [--config FILE] [--data-dir DIR] users | confirm USER |"
    " disable USER | motd TEXT | sources | remove-source ID | guess-drivers NAME... |"
    " guess-open --date YYYY-MM-DD --name NAME --closes \"YYYY-MM-DD HH:MM\" | guess-close |"
    " guess-result --date YYYY-MM-DD P1 ... P8 FL POLE\n";
constexpr std::size_t MotdMax = 600;

const char* StateName(AccountState s) {
    switch (s) {
    case AccountState::Pending:
        return "pending";
    case AccountState::Active:
        return "active";
    case AccountState::Disabled:
        return "disabled";
    }
    return "?";
}

std::string Date(std::int64_t seconds) {
    if (seconds == 0) return "-";
    return UtcMinute(seconds);
}

std::string PackedDate(int packed) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", (packed >> 9) + 1950, packed >> 5 & 15,
                  packed & 31);
    return text;
}

// A YYYY-MM-DD date as YYYYMMDD, or a UTC "YYYY-MM-DD HH:MM" as seconds; nothing when the
// text is not such a date (or time) that exists.
std::optional<std::int64_t> ParseUtc(const std::string& text, bool withTime) {
    std::tm tm{};
    char end = 0;
    const int n = withTime ? std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d%c", &tm.tm_year,
                                         &tm.tm_mon, &tm.tm_mday, &tm.tm_hour, &tm.tm_min, &end)
                           : std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &tm.tm_year, &tm.tm_mon,
                                         &tm.tm_mday, &end);
    if (n != (withTime ? 5 : 3) || tm.tm_year < 1950 || tm.tm_year > 2999) return std::nullopt;
    const std::tm asked = tm;
    tm.tm_year -= 1900;
    tm.tm_mon -= 1;
    const std::time_t t = timegm(&tm);
    // timegm moves the 30th of February on to March: such a date does not exist.
    if (tm.tm_mday != asked.tm_mday || tm.tm_mon != asked.tm_mon - 1 ||
        tm.tm_hour != asked.tm_hour || tm.tm_min != asked.tm_min)
        return std::nullopt;
    if (withTime) return static_cast<std::int64_t>(t);
    return asked.tm_year * 10000 + asked.tm_mon * 100 + asked.tm_mday;
}

// The guess game's commands; command[0] is the verb.
int GuessAdmin(Store& store, const std::vector<std::string>& command, std::ostream& out,
               std::ostream& err) {
    const std::string& verb = command[0];
    // The values of "--date", "--name" and "--closes"; the other words in order.
    std::string date, name, closes;
    std::vector<std::string> words;
    for (std::size_t i = 1; i < command.size(); ++i) {
        std::string* value = command[i] == "--date"     ? &date
                             : command[i] == "--name"   ? &name
                             : command[i] == "--closes" ? &closes
                                                        : nullptr;
        if (value && i + 1 < command.size())
            *value = command[++i];
        else
            words.push_back(command[i]);
    }
    const auto day = ParseUtc(date, false);
    if (verb == "guess-drivers" && !words.empty() && date.empty() && name.empty()) {
        for (const std::string& driver : words) {
            if (const std::string problem = GuessNameProblem(driver); !problem.empty()) {
                err << driver << ": " << problem << '\n';
                return 2;
            }
        }
        const auto offered = store.GuessDrivers();
        std::size_t added = 0;
        for (const std::string& driver : words)
            added += std::none_of(offered.begin(), offered.end(), [&](const auto& d) {
                return UserKey(d.second) == UserKey(driver);
            });
        if (offered.size() + added > GuessDriversMax) {
            err << "at most " << GuessDriversMax << " drivers can be offered for guessing\n";
            return 2;
        }
        for (const std::string& driver : words) {
            const int id = store.PutGuessDriver(driver);
            if (id == 0) {
                err << "cannot store the driver " << driver << '\n';
                return 2;
            }
            out << id << '\t' << driver << '\n';
        }
        return 0;
    }
    if (verb == "guess-open" && words.empty() && !date.empty() && !name.empty() &&
        !closes.empty()) {
        const auto until = ParseUtc(closes, true);
        if (!day || !until) {
            err << "dates are YYYY-MM-DD and the closing time \"YYYY-MM-DD HH:MM\" (UTC)\n";
            return 2;
        }
        if (const std::string problem = GuessNameProblem(name); !problem.empty()) {
            err << name << ": " << problem << '\n';
            return 2;
        }
        if (*until <= static_cast<std::int64_t>(std::time(nullptr)))
            err << "warning: the closing time has passed; no guess can be saved\n";
        if (store.OpenGuessGP(static_cast<int>(*day), name, *until) == 0) {
            err << "cannot open the Grand Prix\n";
            return 2;
        }
        out << "open for guessing: " << date << " " << name << " until " << closes << " UTC\n";
        return 0;
    }
    if (verb == "guess-close" && command.size() == 1) {
        const int closed = store.CloseGuessGPs();
        if (closed < 0) {
            err << "cannot close the Grand Prix\n";
            return 2;
        }
        if (closed == 0) {
            err << "no Grand Prix is open for guessing\n";
            return 1;
        }
        out << "guessing closed\n";
        return 0;
    }
    if (verb == "guess-result" && !date.empty() && name.empty() && words.size() == 10) {
        if (!day) {
            err << "dates are YYYY-MM-DD\n";
            return 2;
        }
        const auto gps = store.GuessGPsOn(static_cast<int>(*day));
        if (gps.empty()) {
            err << "no Grand Prix of " << date << " was open for guessing\n";
            return 1;
        }
        const auto drivers = store.GuessDrivers();
        online::GuessIds result{};
        for (std::size_t k = 0; k < words.size(); ++k) {
            if (words[k] == "-") continue; // nobody (fewer finishers, no fastest lap)
            const auto d = std::find_if(drivers.begin(), drivers.end(), [&](const auto& offered) {
                return UserKey(offered.second) == UserKey(words[k]);
            });
            if (d == drivers.end()) {
                err << "no driver " << words[k] << " is offered for guessing\n";
                return 1;
            }
            result[k] = d->first;
        }
        if (!EnterGuessResult(store, gps.front(), result)) {
            err << "cannot store the result\n";
            return 2;
        }
        out << "result of the " << gps.front().Name << " entered; "
            << store.GuessesOfGP(gps.front().Id).size() << " guesses scored\n";
        return 0;
    }
    err << Usage;
    return 2;
}

} // namespace

int RunAdmin(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ServerConfig config;
    std::vector<std::string> options, command;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (command.empty() && (args[i] == "--config" || args[i] == "--data-dir") &&
            i + 1 < args.size()) {
            options.push_back(args[i]);
            options.push_back(args[++i]);
        } else {
            command.push_back(args[i]);
        }
    }
    std::string error;
    if (!ParseServerArgs(options, config, error)) {
        err << error << '\n';
        return 2;
    }
    const std::string verb = command.empty() ? "" : command[0];
    const bool oneArg = command.size() == 2, guessVerb = verb.rfind("guess-", 0) == 0;
    if (!guessVerb &&
        !(((verb == "users" || verb == "sources") && command.size() == 1) ||
          ((verb == "confirm" || verb == "disable" || verb == "motd" || verb == "remove-source") &&
           oneArg))) {
        err << Usage;
        return 2;
    }
    if (!std::filesystem::is_directory(config.DataDir)) {
        err << "no data folder " << config.DataDir << '\n';
        return 2;
    }
    auto store = SqliteStore::Open(config.DatabasePath(), error);
    if (!store) {
        err << error << '\n';
        return 2;
    }

    if (guessVerb) return GuessAdmin(*store, command, out, err);
    if (verb == "users") {
        out << "name\tstate\temail\tnews\tcreated\tconfirmed\n";
        for (const Account& a : store->ListAccounts())
            out << a.Name << '\t' << StateName(a.State) << '\t' << a.Email << '\t'
                << (a.News ? "yes" : "no") << '\t' << Date(a.CreatedAt) << '\t'
                << Date(a.ConfirmedAt) << '\n';
        return 0;
    }
    if (verb == "sources") {
        out << "id\tdate\tgp\ttrack\tuser\tshared\tdownloads\n";
        for (const PoolSource& s : store->ListSources(0, ""))
            out << s.Id << '\t' << PackedDate(s.Date) << '\t' << s.Name << '\t' << s.Track << '\t'
                << s.UserName << '\t' << Date(s.UpdatedAt) << '\t' << s.Downloads << '\n';
        return 0;
    }
    if (verb == "remove-source") {
        long long id = 0;
        try {
            id = std::stoll(command[1]);
        } catch (const std::exception&) {
        }
        if (id <= 0 || !store->FindSource(id)) {
            err << "no source " << command[1] << '\n';
            return 1;
        }
        if (!store->RemoveSource(id)) {
            err << "cannot remove source " << command[1] << '\n';
            return 2;
        }
        out << "removed source " << id << '\n';
        return 0;
    }
    if (verb == "motd") {
        if (command[1].size() > MotdMax) {
            err << "the server message is limited to " << MotdMax << " characters\n";
            return 2;
        }
        if (!store->PutSetting("motd", command[1])) {
            err << "cannot store the server message\n";
            return 2;
        }
        out << (command[1].empty() ? "server message cleared\n" : "server message set\n");
        return 0;
    }
    const std::string& user = command[1];
    if (!store->FindAccount(UserKey(user))) {
        err << "no user " << user << '\n';
        return 1;
    }
    if (verb == "disable") {
        if (!store->SetState(UserKey(user), AccountState::Disabled) ||
            !store->DropSession(UserKey(user))) {
            err << "cannot disable " << user << '\n';
            return 2;
        }
        out << "disabled " << user << '\n';
        return 0;
    }
    Mailer mailer(config.OutboxDir(), config.EffectiveMailFrom(), config.SmtpUrl);
    Guard guard({});
    Accounts accounts(*store, mailer, guard,
                      {false, config.SessionHours, config.HashMemoryKiB, config.HashPasses,
                       config.EffectivePublicUrl()});
    std::string path;
    if (accounts.Confirm(user, nullptr, &path) != Accounts::Confirmation::Confirmed) {
        err << "cannot confirm " << user << '\n';
        return 2;
    }
    out << "confirmed " << user << "; password mail: "
        << (mailer.SendsBySmtp() && !std::filesystem::exists(path) ? "sent" : path) << '\n';
    return 0;
}

} // namespace qor::server
