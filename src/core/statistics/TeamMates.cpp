#include "statistics/TeamMates.h"

#include "statistics/DriverComparison.h"

#include <algorithm>

namespace qor {

void TeamMatesWindow::Open(const The_Class& db, std::uint16_t driver, std::uint8_t team) {
    SeasonBox.clear();
    SeasonIndex = -1;
    TeamMateCount = 0;
    TeamMateList.fill({});
    TeamMateSeason = 0;
    TeamMateBox.clear();
    TeamMateIndex = -1;
    TeamMate = 0;
    Caption = "TeamMates of " + db.DriverName(driver) + " for " + db.TeamName(team);
    TeamLabel = db.TeamName(team);
    Driver = driver;
    Team = team;

    const int firstResult = db.FirstDriverResult(db.DriverName(driver), "");
    const int firstGP = db.GPOfResult(firstResult);
    const int firstSeason =
        firstGP != 0 ? The_Class::YearOfDate(db.GPs[static_cast<std::size_t>(firstGP)].Date)
                     : FirstYear;
    // The seasons he drove for the team, each with its team-mates in order of appearance.
    std::vector<std::pair<int, std::vector<std::uint16_t>>> seasons;
    for (int y = std::max(firstSeason, FirstYear); y <= db.LastYear && driver != 0; ++y) {
        const TSeasonRow& s = db.Seasons[y];
        bool marked = false;
        std::vector<std::uint16_t> mates;
        for (int g = std::max<int>(s.FirstGP, 1); g <= s.LastGP && g <= MaxGPs; ++g) {
            const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
            for (int r = std::max<int>(gp.FirstResult, 1); r <= gp.LastResult && r <= MaxResults;
                 ++r) {
                const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
                if (rec.Team != team) continue;
                if (rec.Driver == driver)
                    marked = true;
                else if (std::find(mates.begin(), mates.end(), rec.Driver) == mates.end())
                    mates.push_back(rec.Driver);
            }
        }
        if (marked) seasons.emplace_back(y, std::move(mates));
    }
    // How many team-mates of each season fit, the latest seasons first.
    std::vector<std::size_t> kept(seasons.size(), 0);
    std::size_t room = MaxTeamMates;
    for (std::size_t i = seasons.size(); i-- > 0 && room > 0;) {
        kept[i] = std::min(room, seasons[i].second.size());
        room -= kept[i];
    }
    for (std::size_t i = 0; i < seasons.size(); ++i) {
        SeasonBox.push_back(seasons[i].first);
        for (std::size_t m = 0; m < kept[i]; ++m)
            TeamMateList[TeamMateCount++] = {seasons[i].second[m],
                                             static_cast<std::uint16_t>(seasons[i].first)};
    }
    if (!SeasonBox.empty()) seasonboxChange(db, static_cast<int>(SeasonBox.size()) - 1);
}

std::vector<std::uint16_t> TeamMatesWindow::SeasonMates(int season) const {
    std::vector<std::uint16_t> mates;
    for (int i = 0; i < TeamMateCount; ++i)
        if (TeamMateList[static_cast<std::size_t>(i)].Season == season)
            mates.push_back(TeamMateList[static_cast<std::size_t>(i)].Driver);
    return mates;
}

void TeamMatesWindow::seasonboxChange(const The_Class& db, int index) {
    if (index < 0 || index >= static_cast<int>(SeasonBox.size())) return;
    SeasonIndex = index;
    TeamMateSeason = SeasonBox[static_cast<std::size_t>(index)];
    const std::vector<std::uint16_t> mates = SeasonMates(TeamMateSeason);
    TeamMateBox.clear();
    for (const std::uint16_t d : mates)
        TeamMateBox.push_back(db.DriverName(d));
    TeamMateBoxVisible = mates.size() > 1;
    Label1Visible = !TeamMateBoxVisible;
    Label1 = mates.size() == 1 ? TeamMateBox.front() : std::string();
    if (AnalyzeFrame) AnalyzeFrame(1, Driver, TeamMateSeason);
    ChooseTeamMate(mates.empty() ? -1 : 0);
}

void TeamMatesWindow::teammateboxChange(int index) {
    if (index < 0 || index >= static_cast<int>(TeamMateBox.size())) return;
    ChooseTeamMate(index);
}

void TeamMatesWindow::ChooseTeamMate(int index) {
    const std::vector<std::uint16_t> mates = SeasonMates(TeamMateSeason);
    TeamMateIndex = index;
    TeamMate = index >= 0 && index < static_cast<int>(mates.size())
                   ? mates[static_cast<std::size_t>(index)]
                   : 0;
    if (TeamMate != 0 && AnalyzeFrame) AnalyzeFrame(2, TeamMate, TeamMateSeason);
}

int TeamMatesWindow::CompareKind(int frame, TeamMateFigure figure) {
    return 2 * static_cast<int>(figure) + (frame == 2 ? 2 : 1);
}

void TeamMatesWindow::CompareClick(TableContext& ctx, int frame, TeamMateFigure figure) const {
    if (Driver == 0 || TeamMate == 0 || (frame != 1 && frame != 2)) return;
    ComparePairTable(ctx, CompareKind(frame, figure), TeamMateSeason, Driver, TeamMate);
}

bool eamMate1Click(TableContext& ctx, TeamMatesWindow& window) {
    const int r = ctx.grid.SelectedRecord;
    if (r < 1 || r > ctx.db.ResultCount) return false;
    const TResultRec& rec = ctx.db.Results[static_cast<std::size_t>(r)];
    window.Open(ctx.db, rec.Driver, rec.Team);
    return true;
}

} // namespace qor
