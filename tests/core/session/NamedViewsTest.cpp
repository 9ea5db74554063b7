// Views opened by name on the shipped data: each builds the table its click would, with its
// history entry; wrong names and numbers show nothing and say why.

#include "mainwindow/NamedViews.h"
#include "mainwindow/MainSession.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class NamedViewsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(session.Start(QOR_BIN_DIR "/", {1280, 800}, settings).Loaded);
    }
    std::string Show(std::vector<std::string> args) { return ShowNamedView(session.ctx, args); }
    const GridTable& Table() const { return session.ctx.grid.tablo1; }

    MemorySettings settings;
    MainSession session;
};

TEST_F(NamedViewsTest, GrandPrixBySeasonAndNumber) {
    EXPECT_EQ(Show({"gp", "1988", "16"}), "");
    EXPECT_EQ(Table().TitleLabel.substr(0, 9), "Australia");
    EXPECT_EQ(Table().ColCount(), 7);
    EXPECT_EQ(session.ctx.history.HistCount(), 2);
    EXPECT_EQ(session.ctx.browser.GPIndex, 15);

    EXPECT_NE(Show({"gp", "1988", "17"}), "");
    EXPECT_NE(Show({"gp", "1949", "1"}), "");
    EXPECT_NE(Show({"gp", "1988"}), "");
    EXPECT_EQ(session.ctx.history.HistCount(), 2);
}

TEST_F(NamedViewsTest, StandingsChampionsWinnersAndRecords) {
    EXPECT_EQ(Show({"standings", "drivers", "2006"}), "");
    EXPECT_EQ(Table().TitleLabel, "Drivers Championship   2006");
    EXPECT_EQ(Table().Cell(1, 1), "Fernando Alonso");
    EXPECT_EQ(Show({"standings", "teams", "1958"}), "");
    EXPECT_EQ(Table().TitleLabel, "Constructors Championship   1958");
    EXPECT_NE(Show({"standings", "teams", "1957"}), "");
    EXPECT_NE(Show({"standings", "riders", "2006"}), "");

    EXPECT_EQ(Show({"champions", "drivers"}), "");
    EXPECT_EQ(Table().TitleLabel, "Drivers Championship");
    EXPECT_EQ(Show({"winners", "2005"}), "");
    EXPECT_EQ(Table().TitleLabel, "2005 - Winners");
    EXPECT_EQ(Show({"winners"}), "");
    EXPECT_EQ(Table().TitleLabel, "Winners");

    EXPECT_EQ(Show({"records", "Michael Schumacher", "wins"}), "");
    EXPECT_EQ(Table().TitleLabel, "Michael Schumacher   (Wins)");
    EXPECT_EQ(Table().RowCount() - 1, 91);
    EXPECT_NE(Show({"records", "Nobody", "wins"}), "");
    EXPECT_NE(Show({"records", "Michael Schumacher", "laps"}), "");
    EXPECT_NE(Show({"tables"}), "");
}

} // namespace
} // namespace qor
