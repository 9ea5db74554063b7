// The message boards in-process: the program's own read and send bodies through the dispatch,
// the pages read back with its own parsers.

#include "online/Board.h"
#include "ServiceRig.h"
#include "online/Protocol.h"

using namespace qor::server;
namespace online = qor::online;

namespace {

struct Read {
    std::optional<online::BoardRating> rating;
    online::BoardPage page;
    std::size_t size = 0; // what the program keeps: the payload and the end marker
};

Read ReadPage(Rig& rig, const online::Caller& who, int page, const std::string& board = "general",
              const std::string& deleteId = {}) {
    std::string payload = rig.Post(online::BoardReadBody(who, board, page, deleteId));
    Read r;
    r.size = payload.size() + online::Marker.size();
    r.rating = online::TakeRating(payload);
    r.page = online::ParseBoardPage(payload);
    return r;
}

std::string Send(Rig& rig, const online::Caller& who, const std::string& text,
                 const std::string& rate = {}, const std::string& board = "general") {
    return rig.Post(online::BoardSendBody(who, board, rate, text));
}

TEST(ServerBoard, PagesRunNewestFirstAndFitWhatTheProgramKeeps) {
    Rig rig;
    const online::Caller ann{"ann_w", rig.LoggedIn("ann_w")};
    // Full-length texts holding "*" and the first end-tokens a record would pick.
    std::vector<std::string> texts;
    for (int i = 0; i < 10; ++i) {
        std::string text = std::to_string(i) + " *E*E0*E1 * ";
        text += std::string(1000 - text.size(), 'a' + static_cast<char>(i));
        texts.push_back(text);
        ASSERT_EQ(Send(rig, ann, text), "Your message is saved.");
    }
    ASSERT_EQ(Send(rig, ann, "short one", {}, "guess"), "Your message is saved.");

    std::vector<std::string> seen;
    const Read first = ReadPage(rig, ann, 0);
    ASSERT_TRUE(first.page.PageCount);
    EXPECT_GT(*first.page.PageCount, 1) << "ten long messages never fit one reply";
    for (int p = 0; p < *first.page.PageCount; ++p) {
        const Read r = ReadPage(rig, ann, p);
        EXPECT_LE(r.size, online::PayloadKeep) << "page " << p;
        ASSERT_TRUE(r.rating) << "the rating comes first on every page";
        EXPECT_EQ(r.page.Total, "10");
        EXPECT_EQ(r.page.Page, std::to_string(p + 1));
        EXPECT_FALSE(r.page.Messages.empty()) << "page " << p;
        for (const auto& m : r.page.Messages) {
            seen.push_back(m.Text);
            EXPECT_EQ(m.Suffix, "1.88") << "the sender's program version";
            EXPECT_EQ(m.Heading.size(), 16u) << m.Heading;
        }
    }
    EXPECT_EQ(seen, std::vector<std::string>(texts.rbegin(), texts.rend()));
    const Read other = ReadPage(rig, ann, 0, "guess");
    ASSERT_EQ(other.page.Messages.size(), 1u) << "each board keeps its own messages";
    EXPECT_EQ(other.page.Messages[0].Text, "short one");
}

TEST(ServerBoard, OnlyTheAuthorDeletesHisMessage) {
    Rig rig;
    const online::Caller ann{"ann_w", rig.LoggedIn("ann_w")}, bob{"Bob_w", rig.LoggedIn("Bob_w")};
    ASSERT_EQ(Send(rig, ann, "from ann"), "Your message is saved.");
    ASSERT_EQ(Send(rig, bob, "from bob"), "Your message is saved.");

    const auto own = [](const Read& r, const std::string& user) {
        std::vector<std::string> texts;
        for (const auto& m : r.page.Messages)
            if (online::CanDeleteMessage(m, user)) texts.push_back(m.Text);
        return texts;
    };
    const Read asBob = ReadPage(rig, bob, 0);
    ASSERT_EQ(asBob.page.Messages.size(), 2u);
    EXPECT_EQ(own(asBob, "bob_w"), std::vector<std::string>{"from bob"});
    EXPECT_TRUE(own(ReadPage(rig, {}, 0), "ann_w").empty()) << "logged out: nothing is his";

    const std::string annId = asBob.page.Messages[1].Id;
    const struct {
        online::Caller who;
        std::string status;
        std::size_t left;
        const char* why;
    } rows[] = {
        {{}, "Please log in to delete your messages.", 2, "logged out"},
        {bob, "Only its author can delete a message.", 2, "another user's message"},
        {ann, "Your message is deleted.", 1, "the author"},
        {ann, "Only its author can delete a message.", 1, "gone already"},
    };
    for (const auto& row : rows) {
        const Read r = ReadPage(rig, row.who, 0, "general", annId);
        EXPECT_EQ(r.page.Status, row.status) << row.why;
        EXPECT_EQ(r.page.Messages.size(), row.left) << row.why;
    }
}

TEST(ServerBoard, SendingAndMarksNeedALogIn) {
    Rig rig;
    const online::Caller ann{"ann_w", rig.LoggedIn("ann_w")}, bob{"bob_w", rig.LoggedIn("bob_w")};
    const std::string loggedOut = "You must be logged in to write messages or give a mark.";
    const struct {
        online::Caller who;
        std::string rate, text, reply, stored;
        const char* why;
    } rows[] = {
        {{}, "", "hello", loggedOut, "", "logged out"},
        {{}, "5", "", loggedOut, "", "a mark needs a log-in too"},
        {{"ann_w", 12345},
         "",
         "hello",
         "Your log-in has expired. Please log in again.",
         "",
         "a wrong log-in number"},
        {ann, "", "  \r\n ", "Write a message or choose a mark.", "", "blanks only"},
        {ann, "11", "hello", "A mark must be 1 to 10.", "", "a mark out of range"},
        {ann, "", std::string(1001, 'x'), "A message may be at most 1000 characters.", "",
         "one character too many"},
        {ann, "", "  " + std::string(999, 'x') + "\xC3\xA9 ", "Your message is saved.",
         std::string(999, 'x') + "\xC3\xA9", "trimmed; a two-byte letter counts once"},
        {ann, "", "a" + std::string(12, '*') + "b", "Your message is saved.",
         "a" + std::string(9, '*') + "b", "ten asterisks would end the reply"},
        {ann, "4", "", "Your mark is saved. Thank you.", "", "a mark alone"},
        {bob, "10", "", "Your mark is saved. Thank you.", "", "another user's mark"},
        {ann, "8", "with a mark", "Your message and your mark are saved.", "with a mark",
         "a new mark replaces the old"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Send(rig, row.who, row.text, row.rate), row.reply) << row.why;
        if (row.stored.empty()) continue;
        const Read r = ReadPage(rig, {}, 0);
        ASSERT_FALSE(r.page.Messages.empty()) << row.why;
        EXPECT_EQ(r.page.Messages[0].Text, row.stored) << row.why;
    }
    const Read r = ReadPage(rig, {}, 0);
    ASSERT_TRUE(r.rating);
    EXPECT_EQ(r.rating->Average, "9.0") << "ann's 8 and bob's 10, once each";
    EXPECT_EQ(r.rating->Count, "2");
    EXPECT_EQ(r.page.Total, "3");
}

TEST(ServerBoard, ReadingPastTheLogInLocksNobodyOut) {
    Rig rig;
    const std::string password = rig.Member("ann_w");
    const online::Caller ann{"ann_w", rig.LogIn("ann_w", password).LoginCode};
    ASSERT_TRUE(rig.store->PutSession("ann_w", {ann.Code, 1})) << "ran out long ago";
    for (int i = 0; i < 5; ++i) {
        const Read r = ReadPage(rig, ann, 0);
        EXPECT_TRUE(r.rating && r.page.PageCount) << "read as logged out";
    }
    EXPECT_EQ(Send(rig, ann, "hi"), "Your log-in has expired. Please log in again.");
    EXPECT_TRUE(rig.LogIn("ann_w", password).Accepted()) << "not locked out";
}

} // namespace
