// The lists and commands behind the frame's labels: StartsList and AllRetire (rows, titles,
// history), the command of each count label for a career and for one season, the team popup,
// the date-label rule, the driver box and the chart's season choice.

#include "AnalysisFixture.h"

#include "statistics/DriverCareerLists.h"
#include "statistics/DriverFrameCommands.h"

namespace qor::testing {
namespace {

class AnalysisListsTest : public AnalysisTest {
  protected:
    // The keys (result indexes) of the table's body rows.
    std::vector<std::string> Keys() { return ColumnCells(T(), T().ColCount() - 1); }
    static std::string K(int record) { return std::to_string(record); }
};

TEST_F(AnalysisListsTest, StartsListSkipsNonStarts) {
    Ctx().grid.SelectedRecord = annG2_;
    StartsList(Ctx(), false);
    EXPECT_EQ(T().TitleLabel, "Ann Driver     Starts");
    EXPECT_EQ(RowCells(T(), 0), (std::vector<std::string>{"", " Date", " Track", " Name", " Team",
                                                          " Pos", " Time", " Notes", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{25, 95, 110, 150, 90, 40, 85, 120, 0}));
    // G2 (the first of her two records), G3 (a retirement is a start), G4; not the DNQs.
    EXPECT_EQ(Keys(), (std::vector<std::string>{K(annG2_), K(annG3_), K(annG4_)}));
    EXPECT_EQ(RowCells(T(), 1),
              (std::vector<std::string>{
                  "1", db_->FormatDate(db_->GPs[g2_].Date), "Monza", "Ann Driver", "Alfa Romeo",
                  "1", The_Class::FormatTime(db_->Results[annG2_].Time), "", K(annG2_)}));
    EXPECT_EQ(T().Cell(7, 2), "Engine");
    EXPECT_EQ(T().Cell(5, 2), "");
    EXPECT_EQ(T().CountLabel, "3  record(s) found.");
    EXPECT_TRUE(T().Visible);
}

TEST_F(AnalysisListsTest, StartsListOfTheRecordsSeason) {
    Ctx().grid.SelectedRecord = annG5_; // a DNQ record still names the season
    StartsList(Ctx(), true);
    EXPECT_EQ(T().TitleLabel, "Ann Driver     Starts (1951)");
    EXPECT_EQ(Keys(), (std::vector<std::string>{K(annG4_)}));
    // Excluded, DNPQ and "DNS - Did not practise" are no starts.
    for (std::uint16_t r : {cidG6_, danG6_, eveG6_}) {
        Ctx().grid.SelectedRecord = r;
        StartsList(Ctx(), true);
        EXPECT_EQ(T().CountLabel, "0  record(s) found.") << r;
        EXPECT_EQ(T().RowCount(), 2) << r; // the blank row of an empty table
    }
}

TEST_F(AnalysisListsTest, AllRetireFilters) {
    Ctx().grid.SelectedRecord = annG2_;
    AllRetire(Ctx(), ResultStatus::Other, false);
    EXPECT_EQ(T().TitleLabel, "Ann Driver     Retirements");
    EXPECT_EQ(RowCells(T(), 0), (std::vector<std::string>{"", " Date", " Track", " Name", " Team",
                                                          " Time", " Notes", ""}));
    EXPECT_EQ(ColumnWidths(T()), (std::vector<int>{25, 95, 110, 150, 90, 85, 120, 0}));
    EXPECT_EQ(Keys(), (std::vector<std::string>{K(annG3_)}));
    EXPECT_EQ(RowCells(T(), 1), (std::vector<std::string>{
                                    "1", db_->FormatDate(db_->GPs[g3_].Date), "Spa Francorchamps",
                                    "Ann Driver", "Ferrari", "lap 5", "Engine", K(annG3_)}));

    AllRetire(Ctx(), ResultStatus::DNQ, false);
    EXPECT_EQ(T().TitleLabel, "Ann Driver     DNQ");
    EXPECT_EQ(Keys(), (std::vector<std::string>{K(annG1_), K(annG5_)}));

    Ctx().grid.SelectedRecord = annG4_;
    AllRetire(Ctx(), ResultStatus::DNQ, true);
    EXPECT_EQ(T().TitleLabel, "Ann Driver     DNQ (1951)");
    EXPECT_EQ(Keys(), (std::vector<std::string>{K(annG5_)}));

    // The marks are substrings of longer texts.
    Ctx().grid.SelectedRecord = cidG6_;
    AllRetire(Ctx(), ResultStatus::Disq, false);
    EXPECT_EQ(Keys(), (std::vector<std::string>{K(cidG6_)}));
    Ctx().grid.SelectedRecord = eveG6_;
    AllRetire(Ctx(), ResultStatus::DNS, false);
    EXPECT_EQ(T().TitleLabel, "Eve Late     DNS");
    EXPECT_EQ(Keys(), (std::vector<std::string>{K(eveG6_)}));
    Ctx().grid.SelectedRecord = danG6_;
    AllRetire(Ctx(), ResultStatus::DNPQ, true);
    EXPECT_EQ(T().TitleLabel, "Dan Fast     DNPQ (1952)");
    EXPECT_EQ(Keys(), (std::vector<std::string>{K(danG6_)}));
    // An unplaced record with a mark is no retirement.
    AllRetire(Ctx(), ResultStatus::Other, false);
    EXPECT_EQ(T().CountLabel, "0  record(s) found.");
}

TEST_F(AnalysisListsTest, ListsRecordThemselvesAndReplayTheirScope) {
    Ctx().grid.SelectedRecord = annG4_;
    StartsList(Ctx(), true);
    EXPECT_EQ(Current().Kind, history_kind::DriverStarts);
    EXPECT_EQ(Current().Value1, annG4_);
    EXPECT_EQ(Current().Caption, "Ann Driver     Starts (1951)");
    Ctx().grid.SelectedRecord = annG2_;
    AllRetire(Ctx(), ResultStatus::DNQ, false);
    EXPECT_EQ(Current().Kind, history_kind::DriverDNQ);
    EXPECT_EQ(Current().Caption, "Ann Driver     DNQ");

    // Another table in between; going back rebuilds the season's starts of the recorded record.
    Ctx().grid.SelectedRecord = cidG6_;
    AllRetire(Ctx(), ResultStatus::Disq, false);
    EXPECT_EQ(Current().Kind, history_kind::DriverDisq);
    Ctx().history.Back();
    EXPECT_EQ(T().TitleLabel, "Ann Driver     DNQ");
    Ctx().history.Back();
    EXPECT_EQ(T().TitleLabel, "Ann Driver     Starts (1951)");
    EXPECT_EQ(Ctx().grid.SelectedRecord, annG4_);
    EXPECT_EQ(Ctx().history.HistCount(), 3);

    EXPECT_EQ(AllRetireKind(ResultStatus::Other), 164);
    EXPECT_EQ(AllRetireKind(ResultStatus::DNQ), 160);
    EXPECT_EQ(AllRetireKind(ResultStatus::DNPQ), 161);
    EXPECT_EQ(AllRetireKind(ResultStatus::DNS), 162);
    EXPECT_EQ(AllRetireKind(ResultStatus::Disq), 163);
}

TEST_F(AnalysisListsTest, CareerLabelCommands) {
    const DriverFrame frame = AnnCareer();
    struct Want {
        const char* label;
        FrameCommandTarget target;
        const char* item;
        int kind;
        std::uint16_t history;
    };
    using Tg = FrameCommandTarget;
    const std::vector<Want> wants = {
        {"allraceslabel", Tg::RecordMenuItem, "Races7", frame_list::Races, 23},
        {"raceslabel", Tg::StartsList, "StartsList", 0, 165},
        {"winslabel", Tg::RecordMenuItem, "Wins7", frame_list::Wins, 24},
        {"podiumslabel", Tg::RecordMenuItem, "Podiums1", frame_list::Podiums, 47},
        {"fastestlapslabel", Tg::RecordMenuItem, "FL4", frame_list::FastestLaps, 25},
        {"poleslabel", Tg::RecordMenuItem, "Poles7", frame_list::Poles, 26},
        {"retirementslabel", Tg::AllRetire, "AllRetire", 0, 164},
        {"DNQLABEL", Tg::AllRetire, "AllRetire", 0, 160},
    };
    for (const Want& w : wants) {
        const auto c = LabelCommand(*db_, frame, w.label);
        ASSERT_TRUE(c) << w.label;
        EXPECT_EQ(c->Target, w.target) << w.label;
        EXPECT_EQ(c->Item, w.item) << w.label;
        if (w.target == Tg::RecordMenuItem) {
            EXPECT_EQ(c->RecordKind, w.kind) << w.label;
        }
        EXPECT_EQ(c->HistoryKind, w.history) << w.label;
        EXPECT_FALSE(c->Season) << w.label;
        EXPECT_FALSE(c->Ignored) << w.label;
        EXPECT_EQ(c->SelectedRecord, annG2_) << w.label; // first_kayit_no
    }
    // Labels showing "0" ignore clicks.
    for (const char* label : {"DNSLABEL", "DNPQLABEL", "disqlabel"}) {
        const auto c = LabelCommand(*db_, frame, label);
        ASSERT_TRUE(c);
        EXPECT_TRUE(c->Ignored) << label;
        EXPECT_EQ(RunFrameCommand(Ctx(), *c), FrameCommandRun::Ignored);
    }
    EXPECT_EQ(LabelCommand(*db_, frame, "DNQLABEL")->Filter, ResultStatus::DNQ);
    EXPECT_EQ(LabelCommand(*db_, frame, "disqlabel")->Filter, ResultStatus::Disq);
    // Points and titles take the driver index.
    const auto points = LabelCommand(*db_, frame, "totalpointlabel");
    EXPECT_EQ(points->Target, Tg::PointsByYear);
    EXPECT_EQ(points->SelectedRecord, ann_);
    EXPECT_EQ(LabelCommand(*db_, frame, "Label25")->SelectedRecord, ann_);
    EXPECT_FALSE(LabelCommand(*db_, frame, "namelabel"));
    EXPECT_EQ(FrameCommandLabels().size(), 13u);
}

TEST_F(AnalysisListsTest, SeasonLabelCommands) {
    DriverFrame frame = AnnCareer();
    ChartSeasonClick(*db_, frame, 1951);
    const auto races = LabelCommand(*db_, frame, "allraceslabel");
    EXPECT_EQ(races->Item, "races2");
    EXPECT_EQ(races->HistoryKind, 15);
    EXPECT_TRUE(races->Season);
    EXPECT_EQ(races->SelectedRecord, annG4_);
    EXPECT_TRUE(LabelCommand(*db_, frame, "winslabel")->Ignored); // no win in 1951
    EXPECT_EQ(LabelCommand(*db_, frame, "podiumslabel")->Item, "Podiums3");
    EXPECT_EQ(LabelCommand(*db_, frame, "poleslabel")->Item, "poles2");
    EXPECT_EQ(LabelCommand(*db_, frame, "fastestlapslabel")->Item, "FL2");

    // The DNQ label lists that season's DNQs.
    EXPECT_EQ(RunFrameCommand(Ctx(), *LabelCommand(*db_, frame, "DNQLABEL")),
              FrameCommandRun::Done);
    EXPECT_EQ(T().TitleLabel, "Ann Driver     DNQ (1951)");
    EXPECT_EQ(Current().Kind, history_kind::DriverDNQ);
    EXPECT_EQ(Current().Value1, annG4_);
    EXPECT_EQ(RunFrameCommand(Ctx(), *LabelCommand(*db_, frame, "raceslabel")),
              FrameCommandRun::Done);
    EXPECT_EQ(T().TitleLabel, "Ann Driver     Starts (1951)");
    // A record list item is left to the window, with SelectedRecord set.
    Ctx().grid.SelectedRecord = 0;
    EXPECT_EQ(RunFrameCommand(Ctx(), *races), FrameCommandRun::RunMenuItem);
    EXPECT_EQ(Ctx().grid.SelectedRecord, annG4_);
}

TEST_F(AnalysisListsTest, PointsAndChampionshipLabelsRunTheirTables) {
    DriverFrame frame;
    AnalyzeDriver(*db_, cid_, 0, 0, true, frame);
    // The empty championship line is still a command.
    const auto titles = LabelCommand(*db_, frame, "Label25");
    ASSERT_TRUE(titles);
    EXPECT_FALSE(titles->Ignored);
    EXPECT_EQ(RunFrameCommand(Ctx(), *titles), FrameCommandRun::Done);
    EXPECT_EQ(Current().Kind, 153);
    EXPECT_EQ(T().TitleLabel, "Cid Steady  championship");
    EXPECT_EQ(RunFrameCommand(Ctx(), *LabelCommand(*db_, frame, "totalpointlabel")),
              FrameCommandRun::Done);
    EXPECT_EQ(Current().Kind, 152);
    EXPECT_EQ(Current().Value1, cid_);
    EXPECT_EQ(T().CountLabel, "2  record(s) found.");
}

TEST_F(AnalysisListsTest, DriverWithoutStartsStillNamesHimselfInCommands) {
    // Dan's only entry is a DNPQ: first_kayit_no is "0", but his labels still list his records.
    DriverFrame frame;
    AnalyzeDriver(*db_, dan_, 0, 0, true, frame);
    ASSERT_EQ(frame.first_kayit_no, "0");
    const auto dnpq = LabelCommand(*db_, frame, "DNPQLABEL");
    ASSERT_TRUE(dnpq);
    EXPECT_EQ(dnpq->SelectedRecord, danG6_);
    RunFrameCommand(Ctx(), *dnpq);
    EXPECT_EQ(T().TitleLabel, "Dan Fast     DNPQ");
    EXPECT_EQ(T().CountLabel, "1  record(s) found.");
    EXPECT_EQ(LabelCommand(*db_, frame, "allraceslabel")->SelectedRecord, danG6_);
}

TEST_F(AnalysisListsTest, TeamPopupRunsTheRacesWithThatTeam) {
    const DriverFrame frame = AnnCareer();
    const FrameCommand c = TeamRecordsCommand(frame.PopupRACES_FOR[1]);
    EXPECT_EQ(c.Item, "races3");
    EXPECT_EQ(c.RecordKind, frame_list::Races);
    EXPECT_EQ(c.HistoryKind, 19);
    EXPECT_EQ(c.SelectedRecord, annG4_);
    EXPECT_EQ(RunFrameCommand(Ctx(), c), FrameCommandRun::RunMenuItem);
    EXPECT_EQ(Ctx().grid.SelectedRecord, annG4_);
}

TEST_F(AnalysisListsTest, DateLabelRule) {
    // Two-digit years below 40 are 20YY; the season's last GP on the track is chosen.
    auto t = DateLabelGP(*db_, "Monza'05");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Year, 2005);
    EXPECT_EQ(t->GP, g9_);
    EXPECT_EQ(t->GPListIndex, 2);
    t = DateLabelGP(*db_, "Spa Francorchamps'52");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Year, 1952);
    EXPECT_EQ(t->GP, g6_);
    EXPECT_EQ(t->GPListIndex, 0);
    t = DateLabelGP(*db_, "Spa Francorchamps'50");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->GP, g3_);
    // No GP on that track that season, an empty season, unknown track, no season, no caption.
    EXPECT_FALSE(DateLabelGP(*db_, "Silverstone'05"));
    EXPECT_FALSE(DateLabelGP(*db_, "Monza'99"));
    EXPECT_FALSE(DateLabelGP(*db_, "Nowhere'05"));
    EXPECT_FALSE(DateLabelGP(*db_, "Monza'49"));
    EXPECT_FALSE(DateLabelGP(*db_, "Monza'07"));
    EXPECT_FALSE(DateLabelGP(*db_, ""));
    EXPECT_FALSE(DateLabelGP(*db_, "'05"));

    DriverFrame bob;
    AnalyzeDriver(*db_, bob_, 0, 0, true, bob);
    EXPECT_EQ(bob.lastgplabel, "Monza'05");
    EXPECT_EQ(bob.firstgplabel, "Silverstone'50");
}

TEST_F(AnalysisListsTest, DateLabelClickShowsTheGPWithTheDriverSelected) {
    FillYearLists(Ctx());
    DriverFrame frame;
    AnalyzeDriver(*db_, bob_, 0, 0, true, frame);
    ASSERT_TRUE(DateLabelClick(Ctx(), frame, frame.lastgplabel, 20));
    EXPECT_EQ(Ctx().browser.Years[static_cast<std::size_t>(Ctx().browser.YearIndex)], "2005");
    EXPECT_EQ(Ctx().browser.GPIndex, 2);
    EXPECT_EQ(Current().Kind, history_kind::GPResults);
    EXPECT_EQ(T().Cell(1, T().Row), "Bob Racer");

    // Cid is second in G7: his row is selected; with one visible row the grid scrolls.
    AnalyzeDriver(*db_, cid_, 2005, 2005, true, frame);
    ASSERT_TRUE(ShowGPWithDriver(Ctx(), g7_, "Cid Steady", 1));
    EXPECT_EQ(T().Row, 2);
    const int before = Ctx().history.HistCount();
    EXPECT_FALSE(DateLabelClick(Ctx(), frame, "Silverstone'05", 20));
    EXPECT_EQ(Ctx().history.HistCount(), before);
}

TEST_F(AnalysisListsTest, PodiumsHintInTheStatusLine) {
    EXPECT_EQ(HintStatus(AnnCareer().Label17Hint),
              "---->   1 times first, 1 times second, 0 times third   <----");
}

TEST_F(AnalysisListsTest, DriverBoxNamesTheDriverToAnalyze) {
    Ctx().browser.DriverBox = "  ann DRIVER ";
    EXPECT_EQ(DriverBoxDriver(Ctx()), ann_);
    EXPECT_EQ(Ctx().browser.DriverBox, "Ann Driver");
    Ctx().browser.DriverBox = "Nobody";
    EXPECT_EQ(DriverBoxDriver(Ctx()), 0);
    EXPECT_EQ(Ctx().browser.DriverBox, "Nobody");
    Ctx().browser.DriverBox = "   ";
    EXPECT_EQ(DriverBoxDriver(Ctx()), 0);
}

TEST_F(AnalysisListsTest, ChartSeasonClickTogglesTheSeason) {
    DriverFrame frame = AnnCareer();
    ChartSeasonClick(*db_, frame, 1950);
    EXPECT_EQ(frame.SelectedSeason, 1950);
    EXPECT_EQ(frame.Lseason, "Statistics for 1950");
    EXPECT_EQ(frame.allraceslabel, "3");
    EXPECT_EQ(frame.HistoryCount(), 5u);
    // Another season replaces it; the same season again returns to the whole career.
    ChartSeasonClick(*db_, frame, 1951);
    EXPECT_EQ(frame.SelectedSeason, 1951);
    EXPECT_EQ(frame.allraceslabel, "2");
    ChartSeasonClick(*db_, frame, 1951);
    EXPECT_EQ(frame.SelectedSeason, 0);
    EXPECT_EQ(frame.Lseason, "");
    EXPECT_EQ(frame.allraceslabel, "5");
    EXPECT_EQ(frame.HistoryCount(), 5u);

    // The page buttons return to the career only while a season is shown.
    ChartSeasonClick(*db_, frame, 1950);
    ShowWholeCareer(*db_, frame);
    EXPECT_EQ(frame.Lseason, "");
    EXPECT_EQ(frame.allraceslabel, "5");
}

} // namespace
} // namespace qor::testing
