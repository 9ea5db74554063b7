// Requests over loopback: discovery once, then straight to the service; every failure ends
// in its state with nothing half-done; the news check adds drivers once.
#include "FakeWebHost.h"
#include "database/AtomicFile.h"
#include "online/NewsCheck.h"
#include "online/OnlineState.h"
#include "online/QorConnect.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace qor;
using namespace qor::online;
using qor::testing::FakeWebHost;

namespace {
const std::string M(10, '*');

// Each test starts with no service address known and the fake as web host.
struct Transport : ::testing::Test {
    FakeWebHost web;
    void SetUp() override {
        OnlineState::Instance().ClearCachedService();
        OnlineState::Instance().SetWebHost(web.Host());
        tQorConnect::SetTimeouts(2000, 4000);
    }
    void TearDown() override { tQorConnect::SetTimeouts(5000, 20000); }
};
} // namespace

TEST_F(Transport, DiscoversOnceThenPostsStraightToTheService) {
    web.reply = "header" + M + "111 payload" + M + "footer";
    const Exchange first = RunRequest("version=1.88&master=msg");
    EXPECT_EQ(first.State, Completed);
    EXPECT_EQ(first.Payload, "111 payload");
    const Exchange second = RunRequest("version=1.88&second=1");
    EXPECT_EQ(second.State, Completed);
    EXPECT_EQ(web.gets, 1) << "the second request must not fetch the discovery file again";
    const auto posts = web.Posts();
    ASSERT_EQ(posts.size(), 2u);
    EXPECT_EQ(posts[0].path, "/svc");
    // The body on the wire ends with one zero byte.
    EXPECT_EQ(posts[1].body, std::string("version=1.88&second=1") + '\0');
}

TEST_F(Transport, FailuresEndInTheirStateAndSendNothingWrong) {
    struct Case {
        const char* why;
        std::function<void(FakeWebHost&)> arrange;
        int state;
        std::size_t posts;
    } cases[] = {
        {"malformed discovery", [](auto& w) { w.discovery = "***" + w.Host() + "*/svc***"; },
         NothingSent, 0},
        {"no discovery file", [](auto& w) { w.discovery.clear(); }, NothingSent, 0},
        {"unreachable web host", [](auto&) { OnlineState::Instance().SetWebHost("127.0.0.1:1"); },
         NothingSent, 0},
        {"reply without markers", [](auto& w) { w.reply = "<html>oops</html>"; }, Completed, 1},
        {"hostile huge reply", [](auto& w) { w.reply = M + std::string(2 << 20, '\x01'); },
         ReadFailed, 1},
        {"silent service",
         [](auto& w) {
             w.reply = M + "late" + M;
             OnlineState::Instance().SetCachedService({w.Host(), "/svc"});
             w.delay = std::chrono::milliseconds(1500);
             tQorConnect::SetTimeouts(300, 500);
         },
         ReadFailed, 1},
    };
    for (auto& c : cases) {
        FakeWebHost w;
        OnlineState::Instance().ClearCachedService();
        OnlineState::Instance().SetWebHost(w.Host());
        tQorConnect::SetTimeouts(2000, 4000);
        c.arrange(w);
        const Exchange e = RunRequest("version=1.88");
        EXPECT_EQ(e.State, c.state) << c.why;
        EXPECT_TRUE(e.Payload.empty()) << c.why;
        EXPECT_EQ(w.Posts().size(), c.posts) << c.why;
        if (c.state == NothingSent) {
            EXPECT_FALSE(OnlineState::Instance().CachedService()) << c.why;
        }
        w.delay = {};
    }
}

TEST_F(Transport, ReplyArrivesInBlocksOfAtMost2001Bytes) {
    web.reply = std::string(5000, 'x');
    std::vector<std::size_t> counts;
    auto request = NewRequest("version=1.88");
    request->OnChunk = [&](const char*, std::size_t capacity, int kind, std::size_t count) {
        EXPECT_EQ(capacity, 2000u);
        if (kind == ReplyBlock) counts.push_back(count);
    };
    int done = -1;
    request->OnDone = [&](int state) { done = state; };
    request->Start();
    request->Wait();
    EXPECT_EQ(done, Completed);
    EXPECT_EQ(counts, (std::vector<std::size_t>{2001, 2001, 998}));
}

TEST_F(Transport, NewsCheckRunsOneAtATimeNotifiesAndSavesOnlyWhatIsNew) {
    qor::testing::TempDir dir;
    auto db = qor::testing::MakeSmallDatabase();
    db->DataFileName = dir.file("f1data5.dat");
    web.news = "Version 1.88 is the latest.";
    web.drivers = "*****\r\n#ABC DEF*xyz\r\n%" + web.Host() + "*/notify\r\n";
    std::vector<std::string> progress;
    std::mutex m;
    const auto record = [&](const std::string& s) {
        std::lock_guard lock(m);
        progress.push_back(s);
    };
    const auto ignore = [](const std::string&) {};
    NewsCheck check(*db, [](std::function<void()> f) { f(); }, {ignore, record, ignore, nullptr});
    web.delay = std::chrono::milliseconds(200);
    ASSERT_TRUE(check.Start(web.Host()));
    EXPECT_FALSE(check.Start(web.Host())) << "a second check while one runs";
    check.WaitIdle();
    web.delay = {};
    EXPECT_EQ(progress.back(), "Completed: Succesfully");
    EXPECT_TRUE(qor::FileExists(db->DataFileName));
    const auto posts = web.Posts();
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0].body, std::string("version=1.88") + '\0');

    std::remove(db->DataFileName.c_str());
    ASSERT_TRUE(check.Start(web.Host()));
    check.WaitIdle();
    EXPECT_FALSE(qor::FileExists(db->DataFileName)) << "nothing new, nothing saved";

    web.drivers.clear();
    ASSERT_TRUE(check.Start(web.Host()));
    check.WaitIdle();
    EXPECT_EQ(progress.back(), "Completed: Problem with driver update file.");
}
