// The message board's page and the guess game's reply sections and scoring.
#include "online/Board.h"
#include "online/GuessGame.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace qor::online;

TEST(Board, ElementsBeforeTheFirstStarAndRecordsWithTheirOwnEndToken) {
    std::string payload = "*R:7.5*C:12_<3>{41}[1](2026-12-06 20:00)@fine#";
    const BoardMessage mine{"7", "Re: hi", "ABC", "1.88", "0", "a*b\r\nE*E1 still text"};
    const BoardMessage theirs{"8", "Hello", "xyz", "1.88", "1", "plain"};
    payload += FormatMessageRecord(mine) + FormatMessageRecord(theirs) + "*9*cut";
    ASSERT_TRUE(TakeRating(payload)); // the rating's figures: the command line's board test
    const BoardPage page = ParseBoardPage(payload);
    EXPECT_EQ(page.PageCount, 3);
    using Text = std::optional<std::string>;
    EXPECT_EQ(std::tie(page.Total, page.Page, page.ServerTime, page.Status),
              std::make_tuple(Text("41"), Text("1"), Text("2026-12-06 20:00"), Text("fine")));
    ASSERT_EQ(page.Messages.size(), 2u) << "the record cut short ends the page";
    EXPECT_EQ(page.Messages[0].Text, mine.Text);
    EXPECT_EQ(page.Messages[1].User, "xyz");
    EXPECT_TRUE(CanDeleteMessage(page.Messages[0], "abc")); // names compared in capitals
    EXPECT_FALSE(CanDeleteMessage(page.Messages[1], "xyz")) << "flag other than 0";

    struct Case {
        std::string buffer;
        std::optional<int> pages;
    } counts[] = {{"<0>*", 1}, {"<x>*", 10}, {"*1*<3>", std::nullopt}, {"<12>", 12}};
    for (const auto& c : counts)
        EXPECT_EQ(ParseBoardPage(c.buffer).PageCount, c.pages) << c.buffer;
    EXPECT_EQ(MessagePanelHeight(6), 146);
    EXPECT_EQ(MessagePanelHeight(2), 90);
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
        {{2, 1, 3, 0, 0, 0, 0, 0, 0, 0}, 16, 0, 0, "1 and 2 swapped"},
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
    EXPECT_EQ(GuessSaveProblem({1, 2, 0, 0, 5, 6, 7, 8, 1, 1}), "") << "empty places may repeat";
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
    ASSERT_TRUE(r.ActiveGP && r.Drivers && r.Results && r.Players && r.Guesses && r.MyGuess);
    EXPECT_EQ(std::make_tuple((*r.ActiveGP)[4], r.Drivers->size(), r.Results->size(),
                              r.ResultsHadErrors, r.Guesses->size(), r.MyGuess->Name),
              std::make_tuple("2 days", 2u, 1u, true, 1u, "Brazil"));
    EXPECT_EQ((*r.Results)[0].Ids, race.Ids);
    EXPECT_EQ(r.Players->PageCount, 3);
    EXPECT_EQ(r.Players->Lines, (std::vector<std::string>{"1. abcd  (65)", "2. efgh  (16)"}));
    EXPECT_EQ(std::make_pair(r.GuessUser, r.MyGuessText),
              std::make_pair(std::optional<std::string>("abcd"),
                             std::optional<std::string>("Your guess")));
    EXPECT_EQ(r.UserMessages, (std::vector<std::string>{"hi*there", "bye"}));

    // A section out of order is skipped, and an empty player list says so.
    const GuessReply odd =
        ParseGuessReply("[players][0][0][players][activegp]a_b_c_d_e_[activegp]");
    EXPECT_FALSE(odd.ActiveGP);
    EXPECT_EQ(odd.Players->Lines, (std::vector<std::string>{"*No user has point*"}));
}
