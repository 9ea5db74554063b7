// The real qor-server process on a free loopback port, spoken to over HTTP as the program
// does: a new connection per request, the body with its trailing zero byte.

#include "online/AccountReplies.h"
#include "online/Discovery.h"
#include "online/FormFields.h"
#include "online/PasswordCodec.h"
#include "online/Protocol.h"
#include "online/ReplyFraming.h"
#include "online/RequestBodies.h"
#include "support/Process.h"
#include "support/ServerProcess.h"

#include <httplib.h>

#include <gtest/gtest.h>

namespace online = qor::online;
using qor::testing::ServerProcess;

namespace {

// Cheap hashes keep the tests quick; the cost is a setting, not a code path.
constexpr const char* Cheap = "hash_memory_kib = 8\nhash_passes = 1\n";

struct Reply {
    int status = 0;
    std::string body;
};

Reply Get(const ServerProcess& server, const std::string& path) {
    httplib::Client client("127.0.0.1", server.Port());
    const auto res = client.Get(path.c_str());
    return res ? Reply{res->status, res->body} : Reply{};
}

Reply Post(const ServerProcess& server, const std::string& body) {
    httplib::Client client("127.0.0.1", server.Port());
    const auto res = client.Post(std::string(online::ServicePath).c_str(), body + '\0',
                                 "application/x-www-form-urlencoded");
    return res ? Reply{res->status, res->body} : Reply{};
}

online::LoginReply LogIn(const ServerProcess& server, const std::string& user,
                         const std::string& password) {
    return online::ParseLoginReply(online::ExtractPayload(
        Post(server, online::LoginBody("EN", user, online::EncodeLoginPassword(password))).body));
}

bool SignUp(const ServerProcess& server, const std::string& user) {
    return online::ParseStatusReply(
               online::ExtractPayload(
                   Post(server, online::RegisterBody(user, user + "@x.org", false)).body))
        .Accepted();
}

TEST(ServerLoopback, FilesAndFramedRefusals) {
    ServerProcess server;
    ASSERT_GT(server.Start(), 0) << server.Log();
    const Reply discovery = Get(server, std::string(online::DiscoveryPath));
    EXPECT_EQ(discovery.status, 200);
    const auto address = online::ParseDiscovery(discovery.body);
    ASSERT_TRUE(address) << discovery.body;
    EXPECT_EQ(address->Host, server.Address());
    EXPECT_EQ(address->Path, online::ServicePath);

    qor::testing::WriteFileBytes(server.ContentDir() + "/update.txt", "Qor news\r\n");
    EXPECT_EQ(Get(server, std::string(online::NewsPath)).body, "Qor news\r\n");
    EXPECT_EQ(Get(server, std::string(online::DriversPath)).status, 404) << "not published";

    const struct {
        std::string body;
        std::string payload;
        const char* why;
    } rows[] = {
        {"\x01\xff garbage", "000Bad request.", "no fields at all"},
        {"version=1.88&master=msg", "000Bad request.", "no mode"},
        {"version=1.88&master=msg&mode=nosuch", "000Unknown request.", "an unknown mode"},
        {"version=1.88&master=msg&mode=login&data=" + std::string(40000, 'x'), "000Bad request.",
         "a body over the size limit"},
    };
    for (const auto& row : rows) {
        const Reply r = Post(server, row.body);
        EXPECT_EQ(r.status, 200) << row.why;
        EXPECT_EQ(online::ExtractPayload(r.body), row.payload) << row.why;
    }
    EXPECT_EQ(Get(server, std::string(online::DiscoveryPath)).body, discovery.body)
        << "still serving";
    EXPECT_EQ(server.Stop(), 0) << "clean shutdown on SIGTERM\n" << server.Log();
}

TEST(ServerLoopback, FloodOfWrongLogInsLocksOnlyThatUser) {
    ServerProcess server;
    ASSERT_GT(
        server.Start({"--config", server.WriteConfig(std::string(Cheap) + "auto_confirm = 1\n")}),
        0)
        << server.Log();
    ASSERT_TRUE(SignUp(server, "victim"));
    ASSERT_TRUE(SignUp(server, "other"));
    const std::string victim = server.MailedPassword("victim"),
                      other = server.MailedPassword("other");
    for (int i = 0; i < 30; ++i)
        EXPECT_FALSE(LogIn(server, "victim", "guess" + std::to_string(i)).Accepted());
    EXPECT_FALSE(LogIn(server, "victim", victim).Accepted()) << "locked out";
    const auto in = LogIn(server, "other", other);
    EXPECT_TRUE(in.Accepted()) << in.Message;

    const std::string change = online::EncodePasswordChange(other, "other-new", in.LoginCode);
    EXPECT_TRUE(online::ParseStatusReply(
                    online::ExtractPayload(
                        Post(server, online::AccountBody({"other", in.LoginCode}, change)).body))
                    .Accepted());

    // A GP near the longest the checks let through fits the body limit; the operator lists
    // and removes it.
    std::string content = std::to_string(qor::testing::PackDate(2006, 10, 22)) +
                          "*Interlagos*Brazilian GP*****71*\r\n",
                drivers;
    for (int i = 10; i < 44; ++i) {
        const std::string name = "Driver With Long Name Number" + std::to_string(i);
        content += name + "*Team Name With Blanks*" + std::to_string(i) + "*1:31:53.751*" +
                   std::to_string(i) + "*Retired after a spin in the last corner.*\r\n";
        drivers += "#" + name + "*Brazilian\r\n";
    }
    const std::string share =
        "version=1.88&master=gp&mode=share&user=other&kod=" + std::to_string(in.LoginCode) +
        "&data=" + online::PercentEncode(content) + "&drivers=" + online::PercentEncode(drivers);
    ASSERT_GT(content.size(), 3800u);
    const auto shared = online::ParseStatusReply(online::ExtractPayload(Post(server, share).body));
    EXPECT_TRUE(shared.Accepted()) << shared.Message << " (" << share.size() << " bytes)";
    const std::string admin =
        "'" + ServerProcess::Binary() + "' admin --data-dir '" + server.DataDir() + "' ";
    EXPECT_NE(qor::testing::RunProcess(admin + "sources").out.find("\t2006-10-22\tBrazilian GP"),
              std::string::npos);
    const std::string list = "version=1.88&master=gp&mode=getallgplist";
    EXPECT_NE(Post(server, list).body.find("Brazilian GP"), std::string::npos);
    EXPECT_EQ(qor::testing::RunProcess(admin + "remove-source 1").status, 0);
    EXPECT_EQ(Post(server, list).body.find("Brazilian GP"), std::string::npos)
        << "the operator's change shows at once";

    // The access log names requests, never what they carry. A line is written once its reply
    // is out: stopping the server first waits for the last one.
    EXPECT_EQ(server.Stop(), 0) << server.Log();
    const std::string log = qor::testing::ReadFileBytes(server.DataDir() + "access.log");
    EXPECT_NE(log.find("msg/account other"), std::string::npos) << log;
    for (const std::string& secret :
         {online::EncodeLoginPassword(other), change, std::to_string(in.LoginCode),
          online::PercentEncode(content).substr(0, 40)})
        EXPECT_EQ(log.find(secret), std::string::npos) << secret;
}

TEST(ServerLoopback, KilledServiceKeepsConfirmedAccounts) {
    ServerProcess server;
    const std::vector<std::string> args = {"--config", server.WriteConfig(Cheap)};
    ASSERT_GT(server.Start(args), 0) << server.Log();
    ASSERT_TRUE(SignUp(server, "dora"));
    ASSERT_TRUE(SignUp(server, "eric"));
    const std::string link = server.MailedLink("dora");
    ASSERT_FALSE(link.empty());
    EXPECT_EQ(Get(server, link).status, 200);
    EXPECT_EQ(Get(server, link).status, 404) << "a link works once";
    const auto admin =
        qor::testing::RunProcess("'" + ServerProcess::Binary() + "' admin --data-dir '" +
                                 server.DataDir() + "' confirm eric");
    EXPECT_EQ(admin.status, 0) << admin.err;

    server.Kill();
    ASSERT_GT(server.Start(args), 0) << server.Log();
    for (const std::string user : {"dora", "eric"}) {
        const auto in = LogIn(server, user, server.MailedPassword(user));
        EXPECT_TRUE(in.Accepted()) << user << ": " << in.Message;
    }
    const auto users = qor::testing::RunProcess(
        "'" + ServerProcess::Binary() + "' admin --data-dir '" + server.DataDir() + "' users");
    EXPECT_NE(users.out.find("dora\tactive"), std::string::npos) << users.out;
}

} // namespace
