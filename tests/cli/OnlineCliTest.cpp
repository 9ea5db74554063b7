// qor-cli online against a real qor-server on loopback: an account from sign-up to password
// change, the lock-out, and the news check adding a driver once.

#include "support/Fixtures.h"
#include "support/Process.h"
#include "support/ServerProcess.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace qor {
namespace {

class OnlineCli : public ::testing::Test {
  protected:
    void SetUp() override {
        auto db = testing::MakeSmallDatabase();
        db->DataFileName = dir_.file("f1data5.dat");
        ASSERT_EQ(db->SaveDatabase(), 1);
        ASSERT_NE(server_.Start(), 0) << server_.Log();
    }
    // qor-cli online with the test's data folder, session file and service.
    testing::ProcessResult Online(const std::string& args, const std::string& host = "") const {
        return testing::RunProcess(std::string(QOR_CLI) + " --data '" + dir_.path() +
                                   "' online --web-host " +
                                   (host.empty() ? server_.Address() : host) + " --session '" +
                                   dir_.file("session.txt") + "' " + args);
    }
    int Admin(const std::string& args) const {
        return testing::RunProcess(testing::ServerProcess::Binary() + " admin --data-dir '" +
                                   server_.DataDir() + "' " + args)
            .status;
    }
    testing::TempDir dir_;
    testing::ServerProcess server_;
};

TEST_F(OnlineCli, AnAccountFromSignUpToANewPassword) {
    struct Step {
        std::string args;
        int status;
        std::string out; // a part of stdout
    } before[] = {
        {"register abc a@b.example", 1, "User name length must be at least 4"},
        {"register abcd nomail", 1, "You must write a valid email"},
        {"register abcd abcd@example.org --news", 0, "Status: Successfully completed"},
        {"register abcd other@example.org", 1, ""},
        {"login abcd whatever", 1, "Status: Comunication completed"},
        {"passwd old new", 1, "You must log in before changing your password"},
    };
    for (const auto& s : before) {
        const auto r = Online(s.args);
        EXPECT_EQ(r.status, s.status) << s.args << "\n" << r.out << r.err;
        EXPECT_NE(r.out.find(s.out), std::string::npos) << s.args << "\n" << r.out;
    }
    ASSERT_EQ(Admin("confirm abcd"), 0);
    const std::string password = server_.MailedPassword("abcd");
    ASSERT_FALSE(password.empty());

    EXPECT_EQ(Online("login abcd " + password + "x").status, 1);
    EXPECT_EQ(Online("login abcd " + password).status, 0);
    EXPECT_EQ(testing::ReadFileBytes(dir_.file("qoruser.txt")), "abcd\r\n");
    EXPECT_NE(testing::ReadFileBytes(dir_.file("session.txt")).find("LoginUser=abcd"),
              std::string::npos);
    const auto changed = Online("passwd " + password + " Newer_pw1");
    EXPECT_EQ(changed.status, 0) << changed.out;
    EXPECT_EQ(Online("login abcd " + password).status, 1) << "the old password is gone";
    EXPECT_EQ(Online("login abcd Newer_pw1").status, 0);

    // Five wrong passwords lock the user out: then even the right one is refused.
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Online("login abcd wrong" + std::to_string(i)).status, 1);
    EXPECT_EQ(Online("login abcd Newer_pw1").status, 1);
    // The service is still there for everybody else, and a dead one is a transport failure.
    EXPECT_EQ(Online("register efgh efgh@example.org").status, 0);
    EXPECT_EQ(Online("login abcd Newer_pw1", "127.0.0.1:1").status, 2);
}

TEST_F(OnlineCli, NewsAddsANewDriverOnce) {
    std::ofstream(server_.ContentDir() + "/update.txt") << "Qor 1.88 is the latest version.\r\n";
    std::ofstream(server_.ContentDir() + "/drivers.txt") << "*****\r\n#ABC DEF*xyz\r\n";
    const auto first = Online("news");
    EXPECT_EQ(first.status, 0) << first.out << first.err;
    EXPECT_NE(first.out.find("Qor 1.88 is the latest version."), std::string::npos);
    EXPECT_NE(first.out.find("Driver:Abc Def xyz"), std::string::npos) << first.out;
    const auto second = Online("news");
    EXPECT_EQ(second.out.find("Driver:"), std::string::npos) << second.out;
    EXPECT_NE(
        testing::RunProcess(std::string(QOR_CLI) + " --data '" + dir_.path() + "' find 'Abc Def'")
            .out.find("Abc Def"),
        std::string::npos);
}

// The rows of tab-separated output.
std::vector<std::vector<std::string>> Rows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        rows.emplace_back();
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');)
            rows.back().push_back(cell);
    }
    return rows;
}

// Two users with copies of the shipped data: A shares the 2006 Brazilian GP, B (who deleted
// it) finds it new, saves it, and then has the same table as A.
// Two users, each with a copy of the shipped data, and a service that confirms at once.
class OnlineSharedGP : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(server.Start({"--config", server.WriteConfig("auto_confirm = true\n")}), 0)
            << server.Log();
        const auto shipped = std::filesystem::path(QOR_CLI).parent_path() / "f1data5.dat";
        std::filesystem::copy_file(shipped, a.file("f1data5.dat"));
        std::filesystem::copy_file(shipped, b.file("f1data5.dat"));
    }
    testing::ProcessResult cli(const testing::TempDir& d, const std::string& args) const {
        return testing::RunProcess(std::string(QOR_CLI) + " --data '" + d.path() + "' " + args);
    }
    testing::ProcessResult online(const testing::TempDir& d, const std::string& args) const {
        return cli(d, "online --web-host " + server.Address() + " --session '" +
                          d.file("session.txt") + "' " + args);
    }
    testing::ServerProcess server;
    testing::TempDir a, b;
};

TEST_F(OnlineSharedGP, AGPSharedByOneIsSavedByAnother) {
    for (const auto* d : {&a, &b}) {
        const std::string user = d == &a ? "alice" : "bobby";
        ASSERT_EQ(online(*d, "register " + user + " " + user + "@example.org").status, 0);
        ASSERT_EQ(online(*d, "login " + user + " " + server.MailedPassword(user)).status, 0);
    }
    const std::string brazil = "'22 Oct 2006'";
    EXPECT_EQ(online(b, "gp-share " + brazil).status, 0) << "the share of one who has it";
    ASSERT_EQ(online(a, "gp-share " + brazil).status, 0);
    ASSERT_EQ(cli(b, "edit delete-gp " + brazil).status, 0);

    const auto list = Rows(online(b, "gp-list").out);
    ASSERT_GE(list.size(), 2u);
    EXPECT_EQ(list[1][0], " NEW");
    EXPECT_EQ(list[1][1], "22 Oct 2006");
    const auto sources = Rows(online(b, "gp-sources " + brazil + " '" + list[1][2] + "'").out);
    ASSERT_EQ(sources.size(), 3u) << "both users' copies";
    const std::string id = sources[1][1];
    const auto saved = online(b, "gp-save " + id);
    EXPECT_EQ(saved.status, 0) << saved.out << saved.err;
    EXPECT_EQ(cli(b, "table gp " + brazil).out, cli(a, "table gp " + brazil).out);

    const auto again = online(b, "gp-save " + id);
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.out.find("There is a GP on 22 Oct 2006 already"), std::string::npos);
    // The download was acknowledged with the same source id: counted once.
    const auto after = Rows(online(b, "gp-sources " + brazil + " '" + list[1][2] + "'").out);
    int counted = 0;
    for (const auto& row : after)
        if (row.size() > 5 && row[1] == id) counted = std::stoi(row[5]);
    EXPECT_EQ(counted, 1);
    EXPECT_EQ(Rows(online(b, "gp-list").out)[1][0], "") << "no longer new";
}

// Drivers B lacks come with the list: three new ones are added once and saved once.
TEST_F(OnlineSharedGP, TheListBringsTheDriversItsSourcesName) {
    // A learns three drivers from the news check, races them and shares the race.
    std::ofstream(server.ContentDir() + "/update.txt") << "News\r\n";
    std::ofstream(server.ContentDir() + "/drivers.txt")
        << "*****\r\n#ALPHA ONE*British\r\n#BETA TWO*German\r\n#GAMMA THREE*French\r\n";
    ASSERT_EQ(online(a, "news").status, 0);
    ASSERT_EQ(
        cli(a, "edit new-gp --name Portugal --date 29.10.2006 --track Estoril --laps 70").status,
        0);
    for (const char* d : {"Alpha One", "Beta Two", "Gamma Three"})
        ASSERT_EQ(cli(a, std::string("edit add-result '29 Oct 2006' --team Renault --time "
                                     "'lap 3' --driver '") +
                             d + "'")
                      .status,
                  0);
    ASSERT_EQ(online(a, "register alice alice@example.org").status, 0);
    ASSERT_EQ(online(a, "login alice " + server.MailedPassword("alice")).status, 0);
    ASSERT_EQ(online(a, "gp-share '29 Oct 2006'").status, 0);

    const auto first = online(b, "gp-list");
    EXPECT_EQ(first.status, 0);
    EXPECT_NE(first.err.find("New driver:Alpha One  British\nNew driver:Beta Two  German\n"
                             "New driver:Gamma Three  French"),
              std::string::npos)
        << first.err;
    const auto saved = std::filesystem::last_write_time(b.file("f1data5.dat"));
    const auto second = online(b, "gp-list");
    EXPECT_EQ(second.err.find("New driver:"), std::string::npos) << second.err;
    EXPECT_EQ(std::filesystem::last_write_time(b.file("f1data5.dat")), saved) << "saved once";
    EXPECT_NE(cli(b, "find 'Gamma Three'").out.find("Gamma Three"), std::string::npos);
}

} // namespace
} // namespace qor
