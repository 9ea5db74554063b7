#pragma once
// The service without HTTP for the in-process tests: a store in a temporary folder, a clock
// the tests move, and the program's own request bodies through the dispatch.

#include "Accounts.h"
#include "Admin.h"
#include "Guard.h"
#include "Mailer.h"
#include "Pool.h"
#include "Service.h"
#include "SqliteStore.h"
#include "online/AccountReplies.h"
#include "online/PasswordCodec.h"
#include "online/ReplyFraming.h"
#include "online/RequestBodies.h"
#include "support/ServerProcess.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qor::server {

// The whole service but HTTP; its data folder is laid out as the real one, so the mail helpers of
// ServerProcess read its outbox.
struct Rig {
    qor::testing::ServerProcess files; // never started: only its folder and mail readers
    std::unique_ptr<SqliteStore> store;
    Guard::Clock::time_point now = Guard::Clock::now();
    Guard guard;
    Mailer mailer;
    ServerConfig config;
    Accounts accounts;
    Pool pool;
    Boards boards;
    Guesses guesses;
    Service service;

    explicit Rig(Guard::Limits limits = {3, 10, std::chrono::seconds(60), 1e6, 1e6, 1000},
                 int sourcesPerUser = 3)
        : store(Open(files.DataDir())), guard(limits, [this] { return now; }),
          mailer(files.DataDir() + "outbox", "qor@test"),
          accounts(*store, mailer, guard, {false, 24, 8, 1, "http://test"}),
          pool(*store, accounts, {sourcesPerUser}), boards(*store, accounts),
          guesses(*store, accounts),
          service(config, accounts, pool, boards, guesses, guard, nullptr) {}

    static std::unique_ptr<SqliteStore> Open(const std::string& dir) {
        std::string error;
        // Where the operator's commands look for it, so tests can run them on the same data.
        auto s = SqliteStore::Open(dir + "/qor-server.sqlite", error);
        EXPECT_TRUE(s) << error;
        return s;
    }
    std::string Post(const std::string& body, const std::string& address = "10.0.0.1") {
        return qor::online::ExtractPayload(service.Dispatch(body + '\0', address));
    }
    qor::online::LoginReply LogIn(const std::string& user, const std::string& password,
                                  const std::string& address = "10.0.0.1") {
        return qor::online::ParseLoginReply(
            Post(qor::online::LoginBody("EN", user, qor::online::EncodeLoginPassword(password)),
                 address));
    }
    // Signs up and confirms as the operator would; the mailed password.
    std::string Member(const std::string& user) {
        EXPECT_TRUE(qor::online::ParseStatusReply(
                        Post(qor::online::RegisterBody(user, user + "@x.org", false)))
                        .Accepted());
        EXPECT_EQ(accounts.Confirm(user, nullptr), Accounts::Confirmation::Confirmed);
        return files.MailedPassword(user);
    }
    // Runs "qor-server admin --data-dir DIR ARGS..." in-process; its exit status, its output
    // in out when given.
    int Admin(std::vector<std::string> args, std::string* out = nullptr) {
        std::ostringstream o, e;
        args.insert(args.begin(), {"--data-dir", files.DataDir()});
        const int status = RunAdmin(args, o, e);
        if (out) *out = o.str() + e.str();
        return status;
    }
    // A member who is logged in: his log-in number.
    int LoggedIn(const std::string& user) {
        const auto reply = LogIn(user, Member(user));
        EXPECT_TRUE(reply.Accepted()) << reply.Message;
        return reply.LoginCode;
    }
};

} // namespace qor::server
