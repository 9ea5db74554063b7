// The navigation history: recording, the 50-entry limit, back and next, re-running by kind.

#include "mainwindow/NavigationHistory.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qor {
namespace {

using Strings = std::vector<std::string>;

class NavigationHistoryTest : public ::testing::Test { // a history logging its re-runs
  protected:
    Strings log;
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
    Strings Captions() const {
        Strings c;
        for (int i = 0; i < history.HistCount(); ++i)
            c.push_back(history.ItemCaption(i));
        return c;
    }
    // The buttons as "BNM": back, next, menu; '-' when disabled.
    std::string Buttons() const {
        return std::string(history.BackEnabled() ? "B" : "-") +
               (history.NextEnabled() ? "N" : "-") + (history.MenuButtonEnabled() ? "M" : "-");
    }
};

TEST_F(NavigationHistoryTest, ButtonsFollowThePosition) {
    history.Back();
    history.Next();
    EXPECT_TRUE(log.empty());
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[] {}, "---"},
        {[&] { Show("A"); }, "---"},
        {[&] { Show("B"); }, "B-M"},
        {[&] { history.Back(); }, "-NM"},
        {[&] { history.Next(); }, "B-M"},
        {[&] { Show("C"), history.ChooseItem(1); }, "BNM"},
        {[&] { history.ChooseItem(0); }, "-NM"},
    };
    for (const auto& [step, buttons] : steps) {
        step();
        EXPECT_EQ(Buttons(), buttons) << Last();
    }
    EXPECT_EQ(log, (Strings{"show A", "show B", "show A", "show B", "show C", "show B", "show A"}));
    EXPECT_EQ(Captions(), (Strings{"A", "B", "C"})); // re-runs recorded nothing
}

TEST_F(NavigationHistoryTest, NewTablesGoAfterTheCurrentOneAndFiftyAtMost) {
    for (const char* t : {"A", "B", "C", "D"})
        Show(t);
    history.Back();
    history.Back();
    Show("E");
    EXPECT_EQ(Captions(), (Strings{"A", "B", "E", "C", "D"}));
    for (int i = 1; i <= 46; ++i)
        Show("T" + std::to_string(i));
    EXPECT_EQ(history.HistCount(), 50);
    EXPECT_EQ(Captions()[0], "B");  // the oldest went
    EXPECT_EQ(Captions()[48], "C"); // the later entries stay after the new ones
    for (int i = 0; i < 49; ++i)
        history.Back();
    EXPECT_EQ(Last(), "show B");
}

TEST_F(NavigationHistoryTest, ReplayingRecordsNothingAndKeepsTheCaption) {
    Show("A");
    // A producer that renames its table during a re-run does not rename the entry.
    history.menuekle(0, 0, 100, [this] {
        EXPECT_TRUE(history.Replaying());
        history.SetHistoryCaption("renamed");
    });
    history.SetHistoryCaption("C");
    Show("D");
    history.Back();
    EXPECT_EQ(Captions(), (Strings{"A", "C", "D"}));
    // A command that fails still ends the replay.
    history.menuekle(0, 0, 100, [] { throw std::runtime_error("no table"); });
    Show("E");
    EXPECT_THROW(history.Back(), std::runtime_error);
    EXPECT_FALSE(history.Replaying());
    Show("F");
    EXPECT_EQ(history.HistCount(), 6);
}

TEST_F(NavigationHistoryTest, RestoreRulesOfEveryKind) {
    const std::pair<std::uint16_t, Strings> cases[] = {
        {0, {"year 4"}},      {1, {"year 4", "gp 9"}}, {9, {"year 4"}},     {10, {}},
        {11, {"record 4"}},   {99, {"record 4"}},      {100, {}},           {149, {}},
        {150, {"drivers 4"}}, {151, {"teams 4"}},      {152, {"record 4"}}, {300, {"record 4"}},
    };
    for (const auto& [kind, expected] : cases) {
        SCOPED_TRACE(kind);
        Show("K", kind, 4, 9);
        Show("other");
        log.clear();
        history.Back();
        Strings want = expected;
        if (kind != 10) want.push_back("show K"); // kind 10 is never re-run
        EXPECT_EQ(log, want);
    }
}

} // namespace
} // namespace qor
