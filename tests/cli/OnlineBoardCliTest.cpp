// qor-cli online board and guess against a real qor-server on loopback: two users on the
// message board, and a Grand Prix guessed by two users and scored by the service.

#include "support/Fixtures.h"
#include "support/Process.h"
#include "support/ServerProcess.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

// Two logged-in users, alice and bobby, each with a session file of his own.
class OnlineCommunity : public ::testing::Test {
  protected:
    void SetUp() override {
        auto db = testing::MakeSmallDatabase();
        db->DataFileName = dir_.file("f1data5.dat");
        ASSERT_EQ(db->SaveDatabase(), 1);
        ASSERT_NE(server_.Start({"--config", server_.WriteConfig("auto_confirm = true\n")}), 0)
            << server_.Log();
        for (const char* user : {"alice", "bobby"}) {
            ASSERT_EQ(
                As(user, std::string("register ") + user + " " + user + "@example.org").status, 0);
            ASSERT_EQ(
                As(user, std::string("login ") + user + " " + server_.MailedPassword(user)).status,
                0);
        }
    }
    // qor-cli online as one user ("nobody" has no session: logged out).
    testing::ProcessResult As(const std::string& user, const std::string& args) const {
        return testing::RunProcess(std::string(QOR_CLI) + " --data '" + dir_.path() +
                                   "' online --web-host " + server_.Address() + " --session '" +
                                   dir_.file(user + ".session") + "' " + args);
    }
    testing::ProcessResult Admin(const std::string& args) const {
        return testing::RunProcess(testing::ServerProcess::Binary() + " admin --data-dir '" +
                                   server_.DataDir() + "' " + args);
    }
    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
    // The id printed above a message's header line, empty when the page lacks the text.
    static std::string IdOf(const std::string& page, const std::string& text) {
        const auto at = page.find("\n" + text + "\n");
        if (at == std::string::npos) return {};
        const auto header = page.rfind('\n', at - 1);
        const auto idStart = page.rfind('\n', header - 1) + 1;
        return page.substr(idStart, header - idStart);
    }
    testing::TempDir dir_;
    testing::ServerProcess server_;
};

TEST_F(OnlineCommunity, TwoUsersPostEachSeesBothAndOnlyTheAuthorDeletes) {
    EXPECT_EQ(As("alice", "board send 'Hello from alice'").status, 0);
    EXPECT_EQ(As("bobby", "board send 'A star * inside, & an ampersand'").status, 0);
    for (const char* user : {"alice", "bobby", "nobody"}) {
        const auto page = As(user, "board read");
        EXPECT_EQ(page.status, 0) << page.err;
        EXPECT_TRUE(Has(page.out, "\nHello from alice\n")) << user << "\n" << page.out;
        EXPECT_TRUE(Has(page.out, "\nA star * inside,   an ampersand\n")) << page.out;
        EXPECT_TRUE(Has(page.out, "2 messages (Total)")) << page.out;
    }
    EXPECT_FALSE(Has(As("alice", "board --board guess read").out, "Hello from alice"))
        << "the boards are apart";

    const std::string page = As("alice", "board read").out;
    const std::string bobbys = IdOf(page, "A star * inside,   an ampersand");
    ASSERT_FALSE(bobbys.empty()) << page;
    EXPECT_EQ(As("alice", "board delete " + bobbys).status, 1) << "not her message";
    EXPECT_EQ(As("nobody", "board delete " + bobbys).status, 1);
    EXPECT_EQ(As("bobby", "board delete " + bobbys).status, 0);
    EXPECT_FALSE(Has(As("alice", "board read").out, "A star")) << "gone for everybody";
}

TEST_F(OnlineCommunity, AMarkCountsOncePerUserAndNeedsALogIn) {
    const auto loggedOut = As("nobody", "board send --rate 9");
    EXPECT_EQ(loggedOut.status, 1);
    EXPECT_TRUE(Has(loggedOut.out, "If you want to rate this product you must be logged in."));
    EXPECT_EQ(As("nobody", "board send 'anonymous words'").status, 1) << "the service refuses";
    EXPECT_EQ(As("alice", "board send --rate 2").status, 0);
    EXPECT_EQ(As("alice", "board send 'changed my mind' --rate 6").status, 0);
    EXPECT_EQ(As("bobby", "board send --rate 10").status, 0);
    EXPECT_TRUE(Has(As("nobody", "board read").out, "User Ratings:8.0(2 users voted)"));
}

TEST_F(OnlineCommunity, AGrandPrixGuessedByTwoIsScoredByTheService) {
    ASSERT_EQ(Admin("guess-drivers Ann Bea Cem Dan Eda Fay Gus Hal Ivo Jon Kim").status, 0);
    ASSERT_EQ(Admin("guess-open --date 2006-10-22 --name 'Brazilian GP' --closes "
                    "'2099-12-31 12:00'")
                  .status,
              0);
    const auto status = As("nobody", "guess status");
    EXPECT_EQ(status.status, 0);
    EXPECT_EQ(status.out.substr(0, status.out.find('\n')), "2006-10-22 Brazilian GP") << status.out;

    struct Guess {
        const char *user, *drivers;
        int exit;
        const char* why;
    } guesses[] = {
        {"alice", "Ann Bea Cem Dan Eda Fay Gus Hal Ivo Jon", 0, "all right: 65 + 80 + 40"},
        {"bobby", "Bea Ann Cem Kim Kim Fay Gus Hal Ivo Ann", 1, "Kim twice in 4 and 5"},
        {"bobby", "Bea Ann Cem Kim Dan Gus Jon Eda Ivo Kim", 0, "16 + 3 x 2 + 15"},
        {"nobody", "Ann Bea Cem Dan Eda Fay Gus Hal Ivo Jon", 1, "logged out"},
        {"alice", "Ann Bea Cem Dan Eda Fay Gus Hal Ivo Zed", 1, "not offered"},
    };
    for (const Guess& g : guesses) {
        const auto r = As(g.user, std::string("guess save ") + g.drivers);
        EXPECT_EQ(r.status, g.exit) << g.why << "\n" << r.out << r.err;
    }
    ASSERT_EQ(Admin("guess-close").status, 0);
    EXPECT_EQ(As("alice", "guess save Ann Bea Cem Dan Eda Fay Gus Hal Ivo Kim").status, 1)
        << "closed";
    ASSERT_EQ(
        Admin("guess-result --date 2006-10-22 Ann Bea Cem Dan Eda Fay Gus Hal Ivo Jon").status, 0);

    const auto ranking = As("nobody", "guess status");
    EXPECT_TRUE(Has(ranking.out, "\n1. alice  (185)\n2. bobby  (37)\n")) << ranking.out;
    const auto history = As("alice", "guess history bobby");
    EXPECT_EQ(history.status, 0) << history.err;
    EXPECT_TRUE(Has(history.out, "\n16 Points\t6 Points\t37 Points\n")) << history.out;

    // A Grand Prix whose closing time has passed takes no guesses.
    ASSERT_EQ(
        Admin("guess-open --date 2006-11-05 --name 'Test GP' --closes '2006-11-01 12:00'").status,
        0);
    EXPECT_EQ(As("alice", "guess save Ann Bea Cem Dan Eda Fay Gus Hal Ivo Jon").status, 1);
}

} // namespace
} // namespace qor
