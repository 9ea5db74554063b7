// The message board's page and the guess game's reply sections and scoring.
#include "online/Board.h"
#include "online/GuessGame.h"

#include <gtest/gtest.h>

using namespace qor::online;

TEST(Board, ElementsBeforeTheFirstStarAndRecordsWithTheirOwnEndToken) {
    std::string payload = "*R:7.5*C:12_<3>{41}[1](2026-12-06 20:00)@fine#";
    const BoardMessage mine{"7", "Re: hi", "ABC", "1.88", "0", "a*b\r\nE*E1 still text"};
    const BoardMessage theirs{"8", "Hello", "xyz", "1.88", "1", "plain"};
    payload += FormatMessageRecord(mine) + FormatMessageRecord(theirs) + "*9*cut";
    const auto rating = TakeRating(payload);
    ASSERT_TRUE(rating);
    EXPECT_EQ(rating->Average, "7.5");
    EXPECT_EQ(rating->Count, "12");
    const BoardPage page = ParseBoardPage(payload);
    EXPECT_EQ(page.PageCount, 3);
    EXPECT_EQ(page.Total, "41");
    EXPECT_EQ(page.Page, "1");
    EXPECT_EQ(page.ServerTime, "2026-12-06 20:00");
    EXPECT_EQ(page.Status, "fine");
    ASSERT_EQ(page.Messages.size(), 2u) << "the record cut short ends the page";
    EXPECT_EQ(page.Messages[0].Text, mine.Text);
    EXPECT_EQ(page.Messages[1].User, "xyz");
    EXPECT_TRUE(CanDeleteMessage(page.Messages[0], "abc"));
    EXPECT_FALSE(CanDeleteMessage(page.Messages[1], "xyz")) << "flag other than 0";
    EXPECT_FALSE(CanDeleteMessage(page.Messages[0], "abcd"));

    struct Case {
        std::string buffer;
        std::optional<int> pages;
    } counts[] = {{"<0>*", 1}, {"<x>*", 10}, {"*1*<3>", std::nullopt}, {"<12>", 12}};
    for (const auto& c : counts)
        EXPECT_EQ(ParseBoardPage(c.buffer).PageCount, c.pages) << c.buffer;
    EXPECT_EQ(MessagePanelHeight(6), 146);
    EXPECT_EQ(MessagePanelHeight(2), 90);
    EXPECT_EQ(BoardSendText("  a&b & c \r\n"), "a b   c");
    EXPECT_EQ(BoardPageNumber("Page:3", 2), 2);
    EXPECT_EQ(BoardPageNumber("4", 0), 4);
    EXPECT_EQ(BoardPageNumber("", -1), 0);
}

TEST(GuessGame, ScoresFollowTheThreeSections) {
    const GuessIds result{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    struct Case {
        GuessIds guess;
        int top, rest, laps;
        const char* why;
    } cases[] = {
        {{1, 2, 3, 0, 0, 0, 0, 0, 0, 0}, 65, 0, 0, "top three exact"},
        {{2, 1, 3, 0, 0, 0, 0, 0, 0, 0}, 16, 0, 0, "1 and 2 swapped"},
        {{0, 0, 0, 4, 5, 6, 7, 8, 0, 0}, 0, 80, 0, "4 to 8 exact"},
        {{0, 0, 0, 5, 4, 6, 7, 8, 0, 0}, 0, 19, 0, "two of 4 to 8 swapped"},
        {{0, 0, 0, 0, 0, 0, 0, 0, 9, 10}, 0, 0, 40, "fastest lap and pole"},
        {{0, 0, 0, 0, 0, 0, 0, 0, 9, 1}, 0, 0, 15, "fastest lap only"},
        {{4, 0, 0, 1, 0, 0, 0, 0, 0, 0}, 0, 0, 0, "right drivers across the sections"},
    };
    for (const auto& c : cases) {
        const GuessScore s = ScoreGuess(result, c.guess);
        EXPECT_EQ(s.Top, c.top) << c.why;
        EXPECT_EQ(s.Rest, c.rest) << c.why;
        EXPECT_EQ(s.Laps, c.laps) << c.why;
    }
    EXPECT_EQ(ScoreGuess({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {}).Total(), 0) << "no result yet";
    EXPECT_NE(GuessSaveProblem({1, 2, 3, 4, 2, 6, 7, 8, 1, 1}), "");
    EXPECT_EQ(GuessSaveProblem({1, 2, 0, 0, 5, 6, 7, 8, 1, 1}), "");
    EXPECT_EQ(SaveGuessPart({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
              "&kaydet=1&my_guess=1&u1=1&u2=2&u3=3&u4=4&u5=5&u6=6&u7=7&u8=8&ufl=9&upp=10");
}

TEST(GuessGame, ReplySectionsInTheirOrder) {
    const GuessRace race{3, "2006-10-22", "Brazil", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}};
    const std::string payload =
        "[status]first[status][activegp]Brazil_GP_22.10.2006_06.12.2026_2 days_[activegp]"
        "drivers:1_Alonso*2_Massa*0_end*"
        "[status]second[status][results]" +
        FormatGuessRace(race, true) + "4_k_n_1_2_*" + "0_stop*" + "[results]" +
        "[players][3][1]1_abcd_65_*2_efgh_16_*[players]"
        "[guess][abcd]" +
        FormatGuessRace(race, false) + "[guess][myguess][Your guess]" +
        FormatGuessRace(race, false) + "[myguess][usermsg]*E*hi*there*E*E1*bye*E1[usermsg]";
    const GuessReply r = ParseGuessReply(payload);
    EXPECT_EQ(r.Status, (std::vector<std::string>{"first", "second"}));
    ASSERT_TRUE(r.ActiveGP);
    EXPECT_EQ((*r.ActiveGP)[4], "2 days");
    ASSERT_TRUE(r.Drivers);
    EXPECT_EQ(r.Drivers->size(), 2u);
    ASSERT_TRUE(r.Results);
    ASSERT_EQ(r.Results->size(), 1u);
    EXPECT_EQ((*r.Results)[0].Ids, race.Ids);
    EXPECT_TRUE(r.ResultsHadErrors);
    ASSERT_TRUE(r.Players);
    EXPECT_EQ(r.Players->PageCount, 3);
    EXPECT_EQ(r.Players->Lines, (std::vector<std::string>{"1. abcd  (65)", "2. efgh  (16)"}));
    EXPECT_EQ(r.GuessUser, "abcd");
    ASSERT_TRUE(r.Guesses && r.Guesses->size() == 1);
    EXPECT_EQ(r.MyGuessText, "Your guess");
    ASSERT_TRUE(r.MyGuess);
    EXPECT_EQ(r.MyGuess->Name, "Brazil");
    EXPECT_EQ(r.UserMessages, (std::vector<std::string>{"hi*there", "bye"}));

    // A section out of order is skipped, and an empty player list says so.
    const GuessReply odd =
        ParseGuessReply("[players][0][0][players][activegp]a_b_c_d_e_[activegp]");
    EXPECT_FALSE(odd.ActiveGP);
    EXPECT_EQ(odd.Players->Lines, (std::vector<std::string>{"*No user has point*"}));
}
