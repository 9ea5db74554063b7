// The lists and commands behind the frame's labels: StartsList and AllRetire (rows, filters,
// history), the command of each count label for a career and for one season, the team popup,
// the date-label rule, the driver box and the chart's season choice.

#include "statistics/DriverCareerLists.h"
#include "statistics/DriverFrameCommands.h"
#include "statistics/RecordMenus.h"
#include "support/StatisticsFixtures.h"

namespace qor::testing {
namespace {

class AnalysisListsTest : public AnalysisTest {
  protected:
    // Runs a label's command as the window does (a record menu item through its command) and
    // returns the number of records the list found, or -1 when the click is ignored.
    int RunLabel(const DriverFrame& frame, std::string_view label) {
        const auto c = LabelCommand(*db_, frame, label);
        const FrameCommandRun run = RunFrameCommand(Ctx(), *c);
        if (run == FrameCommandRun::Ignored) return -1;
        if (run == FrameCommandRun::RunMenuItem)
            RunRecordMenuCommand(Ctx(), *FindRecordMenuCommand(c->Item));
        EXPECT_EQ(Current().Kind, c->HistoryKind) << label;
        return std::stoi(T().CountLabel);
    }
};

TEST_F(AnalysisListsTest, EveryCountLabelLeadsToAListOfThatMany) {
    const auto check = [&](const DriverFrame& f) {
        const std::pair<const char*, const std::string*> labels[] = {
            {"allraceslabel", &f.allraceslabel},
            {"raceslabel", &f.raceslabel},
            {"winslabel", &f.winslabel},
            {"podiumslabel", &f.podiumslabel},
            {"fastestlapslabel", &f.fastestlapslabel},
            {"poleslabel", &f.poleslabel},
            {"retirementslabel", &f.retirementslabel},
            {"DNQLABEL", &f.DNQLABEL},
            {"DNSLABEL", &f.DNSLABEL},
            {"DNPQLABEL", &f.DNPQLABEL},
            {"disqlabel", &f.disqlabel}};
        for (const auto& [label, text] : labels) {
            const int n = RunLabel(f, label);
            EXPECT_EQ(n == -1 ? 0 : n, std::stoi(*text)) << f.namelabel << " " << label;
            EXPECT_EQ(n == -1, *text == "0") << label; // "0" ignores clicks
        }
    };
    DriverFrame frame = Frame(ann_);
    check(frame);
    ChartSeasonClick(*db_, frame, 1951);
    check(frame);
    check(Frame(cid_));
    frame = Frame(bob_);
    check(frame);
    ChartSeasonClick(*db_, frame, 2005);
    check(frame);
    // Dan never started: his labels name his first entry so that the lists still name him.
    EXPECT_EQ(RunLabel(Frame(dan_), "DNPQLABEL"), 1);
}

TEST_F(AnalysisListsTest, PointsTitlesAndTeamPopupCommands) {
    const DriverFrame frame = Frame(cid_);
    // The empty championship line is still a command.
    EXPECT_EQ(RunFrameCommand(Ctx(), *LabelCommand(*db_, frame, "Label25")), FrameCommandRun::Done);
    EXPECT_EQ(T().TitleLabel, "Cid Steady  championship");
    RunFrameCommand(Ctx(), *LabelCommand(*db_, frame, "totalpointlabel"));
    EXPECT_EQ(T().TitleLabel, "Cid Steady  points by year");
    // The team popup lists the driver's races with that team, from its remembered record.
    const FrameCommand c = TeamRecordsCommand(Frame(ann_).PopupRACES_FOR[1]);
    EXPECT_EQ(c.Item, "races3");
    EXPECT_EQ(RunFrameCommand(Ctx(), c), FrameCommandRun::RunMenuItem);
    EXPECT_EQ(Ctx().grid.SelectedRecord, annG4_);
}

TEST_F(AnalysisListsTest, StartsAndRetirementLists) {
    Ctx().grid.SelectedRecord = annG2_;
    AllRetire(Ctx(), ResultStatus::Other, false);
    EXPECT_EQ(RowCells(T(), 1),
              (Strings{"1", db_->FormatDate(db_->GPs[g3_].Date), "Spa Francorchamps", "Ann Driver",
                       "Ferrari", "lap 5", "Engine", std::to_string(annG3_)}));
    struct Case {
        std::uint16_t record;
        ResultStatus filter; // for AllRetire
        bool season;
        const char* title;
        std::vector<int> keys;
    };
    const Case cases[] = {
        {annG2_, ResultStatus::Other, false, "Ann Driver     Starts", {annG2_, annG3_, annG4_}},
        {annG5_, ResultStatus::Other, true, "Ann Driver     Starts (1951)", {annG4_}},
        {cidG6_, ResultStatus::Other, true, "Cid Steady     Starts (1952)", {}},
        {danG6_, ResultStatus::Other, true, "Dan Fast     Starts (1952)", {}},
        {eveG6_, ResultStatus::Other, true, "Eve Late     Starts (1952)", {}},
        {annG2_, ResultStatus::DNQ, false, "Ann Driver     DNQ", {annG1_, annG5_}},
        {annG4_, ResultStatus::DNQ, true, "Ann Driver     DNQ (1951)", {annG5_}},
        {cidG6_, ResultStatus::Disq, false, "Cid Steady     Disq", {cidG6_}},
        {eveG6_, ResultStatus::DNS, false, "Eve Late     DNS", {eveG6_}},
        {danG6_, ResultStatus::DNPQ, true, "Dan Fast     DNPQ (1952)", {danG6_}},
        {danG6_, ResultStatus::Other, false, "Dan Fast     Retirements", {}},
    };
    for (const Case& c : cases) {
        Ctx().grid.SelectedRecord = c.record;
        if (std::string_view(c.title).find("Starts") != std::string_view::npos)
            StartsList(Ctx(), c.season);
        else
            AllRetire(Ctx(), c.filter, c.season);
        EXPECT_EQ(T().TitleLabel, c.title);
        EXPECT_EQ(Keys(), c.keys) << c.title;
    }
    // Going back rebuilds the season's starts of the recorded record.
    for (int i = 0; i < 9; ++i)
        Ctx().history.Back();
    EXPECT_EQ(T().TitleLabel, "Ann Driver     Starts (1951)");
    EXPECT_EQ(Ctx().grid.SelectedRecord, annG5_);
}

TEST_F(AnalysisListsTest, DateLabels) {
    struct Case {
        const char* label;
        std::uint16_t gp;
        int listIndex;
        const char* why;
    };
    const Case cases[] = {
        {"Monza'05", g9_, 2, "years below 40 are 20YY; the season's last GP there"},
        {"Spa Francorchamps'52", g6_, 0, "the only GP of the season"},
        {"Silverstone'05", 0, 0, "no GP on that track that season"},
        {"Monza'99", 0, 0, "an empty season"},
        {"Nowhere'05", 0, 0, "unknown track"},
        {"Monza'49", 0, 0, "no such season"},
        {"'05", 0, 0, "no track"},
    };
    for (const Case& c : cases) {
        const auto t = DateLabelGP(*db_, c.label);
        ASSERT_EQ(t.has_value(), c.gp != 0) << c.label << ": " << c.why;
        if (t) {
            EXPECT_EQ(std::make_pair(t->GP, t->GPListIndex), std::make_pair(c.gp, c.listIndex));
        }
    }
    FillYearLists(Ctx());
    const DriverFrame frame = Frame(bob_);
    ASSERT_TRUE(DateLabelClick(Ctx(), frame, frame.lastgplabel, 20));
    EXPECT_EQ(SelectedYear(Ctx()), 2005);
    EXPECT_EQ(Ctx().browser.GPIndex, 2);
    EXPECT_EQ(T().Cell(1, T().Row), "Bob Racer"); // the driver's row is selected
    EXPECT_FALSE(DateLabelClick(Ctx(), frame, "Silverstone'05", 20));
}

TEST_F(AnalysisListsTest, DriverBoxHintAndChartSeason) {
    const std::pair<const char*, std::uint16_t> boxes[] = {
        {"  ann DRIVER ", ann_}, {"Nobody", 0}, {"   ", 0}};
    for (const auto& [text, driver] : boxes) {
        Ctx().browser.DriverBox = text;
        EXPECT_EQ(DriverBoxDriver(Ctx()), driver) << text;
    }
    EXPECT_EQ(HintStatus(Frame(ann_).Label17Hint),
              "---->   1 times first, 1 times second, 0 times third   <----");
    // A season replaces another; the same season again returns to the whole career.
    DriverFrame frame = Frame(ann_);
    ChartSeasonClick(*db_, frame, 1950);
    EXPECT_EQ(frame.allraceslabel, "3");
    ChartSeasonClick(*db_, frame, 1951);
    EXPECT_EQ(frame.allraceslabel, "2");
    ChartSeasonClick(*db_, frame, 1951);
    EXPECT_EQ(frame.Lseason, "");
    EXPECT_EQ(frame.allraceslabel, "5");
}

} // namespace
} // namespace qor::testing
