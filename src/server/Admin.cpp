#include "Admin.h"

#include "Accounts.h"
#include "ServerConfig.h"
#include "SqliteStore.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <ostream>
#include <stdexcept>

namespace qor::server {

namespace {

constexpr const char* Usage =
    "usage: qor-server admin [--config FILE] [--data-dir DIR] users | confirm USER |"
    " disable USER | motd TEXT | sources | remove-source ID\n";
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
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[24];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &tm);
    return text;
}

std::string PackedDate(int packed) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", (packed >> 9) + 1950, packed >> 5 & 15,
                  packed & 31);
    return text;
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
    const bool oneArg = command.size() == 2;
    if (!(((verb == "users" || verb == "sources") && command.size() == 1) ||
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
