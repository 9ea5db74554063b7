// The lock-out windows and rate limits with a clock the test moves, and the command line of a
// service run.

#include "Guard.h"
#include "ServerConfig.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace qor::server;
using std::chrono::seconds;

namespace {

TEST(ServerGuard, FailuresLockOnlyWithinTheirWindow) {
    // Three failures within sixty seconds lock for sixty seconds.
    const struct {
        std::vector<int> failures; // seconds from the start
        int check;
        bool locked;
        const char* why;
    } rows[] = {
        {{0, 1, 2}, 3, true, "three in the window"},
        {{0, 1}, 3, false, "two are allowed"},
        {{0, 1, 70}, 70, false, "an old window does not count"},
        {{0, 1, 2}, 63, false, "the lock ends"},
    };
    for (const auto& row : rows) {
        auto now = Guard::Clock::time_point{};
        Guard guard({3, 100, seconds(60), 1, 1, 1}, [&] { return now; });
        for (int t : row.failures) {
            now = Guard::Clock::time_point{} + seconds(t);
            guard.Failure("bob", "10.0.0." + std::to_string(t)); // never the same address
        }
        now = Guard::Clock::time_point{} + seconds(row.check);
        EXPECT_EQ(guard.LockedSeconds("bob", "10.9.9.9") > 0, row.locked) << row.why;
        EXPECT_EQ(guard.LockedSeconds("carol", "10.9.9.9"), 0) << row.why;
    }
}

TEST(ServerGuard, AddressesSpreadOverUsersAreLockedToo) {
    auto now = Guard::Clock::time_point{};
    Guard guard({100, 4, seconds(60), 1, 1, 1}, [&] { return now; });
    for (int i = 0; i < 4; ++i)
        guard.Failure("user" + std::to_string(i), "10.0.0.1");
    EXPECT_GT(guard.LockedSeconds("fresh", "10.0.0.1"), 0);
    EXPECT_EQ(guard.LockedSeconds("fresh", "10.0.0.2"), 0);
}

TEST(ServerGuard, RatesRefillAndSignUpsAreCountedPerHour) {
    auto now = Guard::Clock::time_point{};
    Guard guard({5, 50, seconds(60), 2, 3, 2}, [&] { return now; }); // 2/s, burst 3
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(guard.AllowRequest("a")) << i;
    EXPECT_FALSE(guard.AllowRequest("a"));
    EXPECT_TRUE(guard.AllowRequest("b")) << "each address has its own allowance";
    now += std::chrono::milliseconds(500);
    EXPECT_TRUE(guard.AllowRequest("a"));
    EXPECT_FALSE(guard.AllowRequest("a"));

    EXPECT_TRUE(guard.AllowSignup("a"));
    EXPECT_TRUE(guard.AllowSignup("a"));
    EXPECT_FALSE(guard.AllowSignup("a"));
    now += seconds(3601);
    EXPECT_TRUE(guard.AllowSignup("a"));
}

TEST(ServerConfigTest, OptionsOverTheFileOverTheDefaults) {
    const qor::testing::TempDir dir;
    qor::testing::WriteFileBytes(dir.file("good.ini"),
                                 "# comment\n[server]\nlisten = 10.1.1.1:81\nauto_confirm = yes\n");
    qor::testing::WriteFileBytes(dir.file("bad.ini"), "listen = 10.1.1.1:81\nlisen = x\n");
    const struct {
        std::vector<std::string> args;
        bool ok;
        std::string listen; // host:port after parsing
        const char* why;
    } rows[] = {
        {{}, true, "127.0.0.1:8080", "the default"},
        {{"--listen", "0.0.0.0:0"}, true, "0.0.0.0:0", "port 0 asks for a free port"},
        {{"--listen", "[::1]:9000"}, true, "::1:9000", "IPv6 in brackets"},
        {{"--listen", "host"}, false, "", "no port"},
        {{"--listen", "h:65536"}, false, "", "port out of range"},
        {{"--listen"}, false, "", "value missing"},
        {{"--bogus", "x"}, false, "", "unknown option"},
        {{"--config", dir.file("good.ini")}, true, "10.1.1.1:81", "from the file"},
        {{"--listen", "10.2.2.2:82", "--config", dir.file("good.ini")},
         true,
         "10.2.2.2:82",
         "the option wins wherever it stands"},
        {{"--config", dir.file("bad.ini")}, false, "", "a misspelt key is an error"},
        {{"--config", QOR_SOURCE_DIR "/packaging/qor-server.ini"},
         true,
         "127.0.0.1:8080",
         "the example configuration that is installed"},
    };
    for (const auto& row : rows) {
        ServerConfig c;
        std::string error;
        ASSERT_EQ(ParseServerArgs(row.args, c, error), row.ok) << row.why << ": " << error;
        if (row.ok) {
            EXPECT_EQ(c.ListenHost + ":" + std::to_string(c.ListenPort), row.listen) << row.why;
        }
    }
    ServerConfig c;
    std::string error;
    ASSERT_TRUE(ParseServerArgs({"--config", dir.file("good.ini")}, c, error));
    EXPECT_TRUE(c.AutoConfirm);
    EXPECT_EQ(c.EffectivePublicHost(), "10.1.1.1:81");
}

} // namespace
