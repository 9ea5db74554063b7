// The navigation history: recording, the 50-entry limit, back and next, re-running by kind.

#include "mainwindow/NavigationHistory.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace qor {
namespace {

class NavigationHistoryTest : public ::testing::Test {
  protected:
    std::vector<std::string> log;
    NavigationHistory history{HistoryRestore{
        [this](int i) { log.push_back("year " + std::to_string(i)); },
        [this](int i) { log.push_back("gp " + std::to_string(i)); },
        [this](std::uint16_t r) { log.push_back("record " + std::to_string(r)); },
        [this](int i) { log.push_back("drivers " + std::to_string(i)); },
        [this](int i) { log.push_back("teams " + std::to_string(i)); },
    }};

    // A table producer: records itself (unless replaying) and "builds" table `name`.
    void Show(const std::string& name, std::uint16_t kind = 100, std::uint16_t v1 = 0,
              std::uint16_t v2 = 0) {
        history.menuekle(v1, v2, kind, [this, name, kind, v1, v2] { Show(name, kind, v1, v2); });
        log.push_back("show " + name);
        history.SetHistoryCaption(name);
    }
    std::string Last() const { return log.empty() ? "" : log.back(); }
};

TEST_F(NavigationHistoryTest, StartsEmptyWithEverythingDisabled) {
    EXPECT_EQ(history.HistCount(), 0);
    EXPECT_EQ(history.HistIndex(), 0);
    EXPECT_FALSE(history.BackEnabled());
    EXPECT_FALSE(history.NextEnabled());
    EXPECT_FALSE(history.MenuButtonEnabled());
    history.Back();
    history.Next();
    history.domenuevent();
    EXPECT_TRUE(log.empty());
}

TEST_F(NavigationHistoryTest, ButtonsFollowThePosition) {
    Show("A");
    EXPECT_FALSE(history.MenuButtonEnabled());
    EXPECT_FALSE(history.BackEnabled());
    Show("B");
    EXPECT_TRUE(history.MenuButtonEnabled());
    EXPECT_TRUE(history.BackEnabled());
    EXPECT_FALSE(history.NextEnabled());
    EXPECT_EQ(history.MarkedItem(), 1);
    history.Back();
    EXPECT_EQ(Last(), "show A");
    EXPECT_FALSE(history.BackEnabled());
    EXPECT_TRUE(history.NextEnabled());
    EXPECT_EQ(history.MarkedItem(), 0);
    history.Next();
    EXPECT_EQ(Last(), "show B");
    EXPECT_TRUE(history.BackEnabled());
    EXPECT_FALSE(history.NextEnabled());
}

TEST_F(NavigationHistoryTest, FiftyOneTablesDropTheOldest) {
    for (int i = 1; i <= 51; ++i)
        Show("T" + std::to_string(i));
    EXPECT_EQ(history.HistCount(), 50);
    EXPECT_EQ(history.HistIndex(), 50);
    EXPECT_EQ(history.ItemCaption(0), "T2");
    EXPECT_EQ(history.ItemCaption(49), "T51");
    EXPECT_EQ(history.MarkedItem(), 49);
    for (int i = 0; i < 49; ++i)
        history.Back();
    EXPECT_EQ(Last(), "show T2");
    EXPECT_FALSE(history.BackEnabled());
    EXPECT_EQ(history.HistCount(), 50); // re-runs recorded nothing
}

TEST_F(NavigationHistoryTest, NewTableAfterGoingBackIsInsertedAfterTheCurrentEntry) {
    for (const char* t : {"A", "B", "C", "D"})
        Show(t);
    history.Back();
    history.Back();
    EXPECT_EQ(Last(), "show B");
    Show("E");
    EXPECT_EQ(history.HistCount(), 5);
    EXPECT_EQ(history.HistIndex(), 3);
    EXPECT_EQ(history.ItemCaption(1), "B");
    EXPECT_EQ(history.ItemCaption(2), "E");
    EXPECT_EQ(history.ItemCaption(3), "C");
    EXPECT_EQ(history.ItemCaption(4), "D");
    EXPECT_TRUE(history.NextEnabled());
    history.Next();
    EXPECT_EQ(Last(), "show C");
    history.Next();
    EXPECT_EQ(Last(), "show D");
    EXPECT_FALSE(history.NextEnabled());
}

TEST_F(NavigationHistoryTest, FullHistoryAfterGoingBackStillKeepsFifty) {
    for (int i = 1; i <= 50; ++i)
        Show("T" + std::to_string(i));
    history.Back();
    Show("X");
    EXPECT_EQ(history.HistCount(), 50);
    EXPECT_EQ(history.ItemCaption(0), "T2");
    EXPECT_EQ(history.ItemCaption(48), "X");
    EXPECT_EQ(history.ItemCaption(49), "T50");
}

TEST_F(NavigationHistoryTest, ReplayingRecordsNothingAndKeepsTheCaption) {
    Show("A");
    Show("B");
    history.Back();
    EXPECT_EQ(history.HistCount(), 2);
    EXPECT_EQ(history.ItemCaption(0), "A");
    EXPECT_FALSE(history.Replaying());
    // A producer that renames its table during a re-run does not rename the entry.
    history.menuekle(0, 0, 100, [this] {
        EXPECT_TRUE(history.Replaying());
        history.SetHistoryCaption("renamed");
    });
    history.SetHistoryCaption("C");
    Show("D");
    history.Back();
    EXPECT_EQ(history.HistIndex(), 2);
    EXPECT_EQ(history.ItemCaption(1), "C");
    EXPECT_EQ(history.HistCount(), 4);
    EXPECT_FALSE(history.Replaying());
}

TEST_F(NavigationHistoryTest, KindOneRestoresYearAndGPBeforeTheHandler) {
    Show("GP", 1, 3, 7);
    Show("other");
    log.clear();
    history.Back();
    EXPECT_EQ(log, (std::vector<std::string>{"year 3", "gp 7", "show GP"}));
}

TEST_F(NavigationHistoryTest, RestoreRulesOfEveryKind) {
    const std::vector<std::pair<std::uint16_t, std::vector<std::string>>> cases = {
        {0, {"year 4"}},    {2, {"year 4"}},     {9, {"year 4"}},     {11, {"record 4"}},
        {99, {"record 4"}}, {100, {}},           {149, {}},           {150, {"drivers 4"}},
        {151, {"teams 4"}}, {152, {"record 4"}}, {300, {"record 4"}},
    };
    for (const auto& [kind, expected] : cases) {
        SCOPED_TRACE(kind);
        Show("K", kind, 4, 9);
        Show("other");
        log.clear();
        history.Back();
        auto want = expected;
        want.push_back("show K");
        EXPECT_EQ(log, want);
    }
}

TEST_F(NavigationHistoryTest, KindTenIsNotReRun) {
    Show("ten", 10, 5, 5);
    Show("other");
    log.clear();
    history.Back();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(history.HistIndex(), 1);
}

TEST_F(NavigationHistoryTest, ChoosingAMenuItemJumpsThere) {
    for (const char* t : {"A", "B", "C"})
        Show(t);
    history.ChooseItem(0);
    EXPECT_EQ(Last(), "show A");
    EXPECT_EQ(history.HistIndex(), 1);
    EXPECT_EQ(history.MarkedItem(), 0);
    EXPECT_FALSE(history.BackEnabled());
    EXPECT_TRUE(history.NextEnabled());
    history.ChooseItem(1);
    EXPECT_EQ(Last(), "show B");
    EXPECT_TRUE(history.BackEnabled());
    EXPECT_TRUE(history.NextEnabled());
    history.ChooseItem(7); // not an item
    EXPECT_EQ(history.HistIndex(), 2);
}

TEST_F(NavigationHistoryTest, EntryZeroBelongsToTheSecondTable) {
    Show("A", 1, 2, 3);
    Show("B", 150, 6);
    history.Back();
    history.CopyCurrentToSecond();
    EXPECT_EQ(history.Entry(0).Kind, 1);
    EXPECT_EQ(history.Entry(0).Value2, 3);
    EXPECT_EQ(history.Entry(0).Caption, "A");
    ASSERT_TRUE(history.Entry(0).Handler);
    history.CloseSecond();
    EXPECT_EQ(history.Entry(0).Kind, 0);
    EXPECT_EQ(history.HistCount(), 2);
}

TEST_F(NavigationHistoryTest, FailingCommandClearsReplaying) {
    history.menuekle(0, 0, 100, [] { throw std::runtime_error("no table"); });
    Show("B");
    EXPECT_THROW(history.Back(), std::runtime_error);
    EXPECT_FALSE(history.Replaying());
    Show("C");
    EXPECT_EQ(history.HistCount(), 3);
}

} // namespace
} // namespace qor
