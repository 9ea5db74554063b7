// The account operations in-process: the program's own request bodies through the service's
// dispatch, a store in a temporary folder and a clock the tests move.

#include "ServiceRig.h"
#include "online/PasswordCodec.h"
#include "online/Protocol.h"

using namespace qor::server;
namespace online = qor::online;

namespace {

TEST(ServerAccounts, SignUpFieldsAreCheckedBeforeUse) {
    Rig rig;
    const std::string n30(30, 'n'), mail50 = std::string(44, 'm') + "@x.org";
    const struct {
        std::string data;
        bool accepted;
        const char* why;
    } rows[] = {
        {"abcd*a@b.org*0", true, "four characters is the shortest name"},
        {"abc*a@b.org*0", false, "three characters are too few"},
        {n30 + "*a@b.org*1", true, "thirty characters is the longest name"},
        {n30 + "n*a@b.org*1", false, "thirty-one are too many"},
        {"ABCD*c@d.org*0", false, "names are unique regardless of case"},
        {"ab cd*a@b.org*0", false, "a blank is not a name character"},
        {"Robert');DROP TABLE accounts;--*a@b.org*1", false, "SQL in a name is refused"},
        {"obrien*o'brien--@example.org*1", true, "quotes in an address are stored as given"},
        {"mail50*" + mail50 + "*0", true, "fifty characters is the longest address"},
        {"mail51*m" + mail50 + "*0", false, "fifty-one are too many"},
        {"nomail*ab.org*0", false, "an address needs an @"},
        {"twoats*a@b@c.org*0", false, "and only one"},
        {"header*a@b.org\r\nBcc:x@y.org*0", false, "no line breaks into the mail headers"},
        {"newsx*a@b.org*2", false, "the news flag is 0 or 1"},
        {"short*a@b.org", false, "a field missing"},
        {"extra*a@b.org*1*1", false, "a field too many"},
        {"percent%2Ap%40b.org%2A1", true, "percent-encoded fields are read too"},
    };
    for (const auto& row : rows) {
        const auto reply = online::ParseStatusReply(
            rig.Post("version=1.88&master=msg&mode=register&data=" + row.data));
        EXPECT_EQ(reply.Accepted(), row.accepted) << row.why << ": " << reply.Message;
    }
    // Bound, not spliced: the address comes back exactly.
    ASSERT_TRUE(rig.store->FindAccount("obrien"));
    EXPECT_EQ(rig.store->FindAccount("obrien")->Email, "o'brien--@example.org");
    EXPECT_EQ(rig.store->ListAccounts().size(), 5u);
}

TEST(ServerAccounts, SignUpConfirmLogInAndChangePassword) {
    Rig rig({10, 10, std::chrono::seconds(60), 1e6, 1e6, 1000}); // room for the wrong tries
    ASSERT_TRUE(online::ParseStatusReply(rig.Post(online::RegisterBody("Alice", "a@x.org", true)))
                    .Accepted());
    EXPECT_FALSE(rig.LogIn("Alice", "anything").Accepted()) << "pending until confirmed";

    const std::string link = rig.files.MailedLink("alice");
    const std::string token = link.substr(link.find("token=") + 6);
    const std::string wrong(token.size(), '0');
    EXPECT_EQ(rig.accounts.Confirm("alice", &wrong), Accounts::Confirmation::BadToken);
    EXPECT_EQ(rig.accounts.Confirm("alice", &token), Accounts::Confirmation::Confirmed);
    EXPECT_EQ(rig.accounts.Confirm("alice", &token), Accounts::Confirmation::BadToken)
        << "a link works once";
    const std::string mailed = rig.files.MailedPassword("Alice");
    ASSERT_FALSE(mailed.empty());

    // A server message of the longest kind still leaves the reply one block.
    rig.store->PutSetting("motd", std::string(2000, 'm'));
    const std::string body = online::LoginBody("EN", "Alice", online::EncodeLoginPassword(mailed));
    EXPECT_LE(rig.service.Dispatch(body + '\0', "10.0.0.1").size(), online::ReplyBlockSize);
    const auto in = online::ParseLoginReply(rig.Post(body));
    ASSERT_TRUE(in.Accepted()) << in.Message;
    EXPECT_LE(in.LoginCode, online::LoginCodeMax);
    EXPECT_EQ(in.Information.rfind("Information: mmm", 0), 0u);
    EXPECT_FALSE(in.Popup.empty()) << "asks to replace the mailed password";
    EXPECT_FALSE(rig.LogIn("Alice", mailed + "x").Accepted());

    const online::Caller caller{"Alice", in.LoginCode};
    const struct {
        int code;
        std::string current, next;
        bool accepted;
        const char* why;
    } changes[] = {
        {in.LoginCode == 99999 ? 10000 : in.LoginCode + 1, mailed, "secret1", false,
         "another log-in number"},
        {in.LoginCode, mailed + "x", "secret1", false, "a wrong current password"},
        {in.LoginCode, mailed, "short", false, "a new password too short"},
        {in.LoginCode, mailed, "secret1", true, "all right"},
    };
    for (const auto& c : changes) {
        const auto reply = online::ParseStatusReply(rig.Post(online::AccountBody(
            {caller.User, c.code}, online::EncodePasswordChange(c.current, c.next, c.code))));
        EXPECT_EQ(reply.Accepted(), c.accepted) << c.why << ": " << reply.Message;
    }
    EXPECT_FALSE(rig.LogIn("Alice", mailed).Accepted());
    const auto again = rig.LogIn("alice", "secret1");
    EXPECT_TRUE(again.Accepted()) << again.Message;
    EXPECT_TRUE(again.Popup.empty());
}

TEST(ServerAccounts, WrongLogInsLockTheUserForAWhile) {
    Rig rig; // three failures lock for sixty seconds
    const std::string bob = rig.Member("bobby"), carol = rig.Member("carol");
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(rig.LogIn("bobby", "guess" + std::to_string(i)).Accepted());
    const auto locked = rig.LogIn("bobby", bob);
    EXPECT_FALSE(locked.Accepted());
    EXPECT_NE(locked.Message.find("Too many"), std::string::npos) << locked.Message;
    EXPECT_TRUE(rig.LogIn("carol", carol).Accepted()) << "others from the same address";
    rig.now += std::chrono::seconds(61);
    EXPECT_TRUE(rig.LogIn("bobby", bob).Accepted());
}

} // namespace

TEST(ServerAccounts, BusyHashingRefusesWithoutCountingFailures) {
    Rig rig; // three failures would lock
    const std::string dana = rig.Member("danae");
    // No room for any hash: every log-in is told to come back, none is held as a wrong guess.
    Accounts full(*rig.store, rig.mailer, rig.guard, {false, 24, 8, 1, "http://test", 0});
    const std::string data = "danae*" + online::EncodeLoginPassword(dana);
    for (int i = 0; i < 4; ++i) {
        const auto reply = online::ParseLoginReply(full.Login(data, "10.0.0.1"));
        EXPECT_NE(reply.Message.find("busy"), std::string::npos) << reply.Message;
    }
    EXPECT_TRUE(rig.LogIn("danae", dana).Accepted());
}
