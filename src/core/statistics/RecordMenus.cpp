#include "statistics/RecordMenus.h"

#include <array>

namespace qor {
namespace {

using P = RecordProducer;
constexpr GridPopup D = GridPopup::Driver;
constexpr GridPopup T = GridPopup::Team;
constexpr GridPopup K = GridPopup::Track;

constexpr std::array<RecordSubmenu, 8> kSubmenus = {{
    {"All1", D, "All"},
    {"onthispist1", D, "On This Pist"},
    {"onthisyear1", D, "On This Year"},
    {"onthisteam1", D, "By This Team"},
    {"All2", T, "All"},
    {"onthispist2", T, "On This Pist"},
    {"onthisyear2", T, "On This Year"},
    {"bythisdriver1", T, "By This Driver"},
}};

constexpr std::array<RecordMenuCommand, 45> kCommands = {{
    // popupdriver
    {"Races7", D, "All1", "Races", 23, P::DriverAllList, rkRaces},
    {"Wins7", D, "All1", "Wins", 24, P::DriverAllList, rkWins},
    {"Podiums1", D, "All1", "Podiums", 47, P::DriverAllList, rkPodiums},
    {"FL4", D, "All1", "Fastest Laps", 25, P::DriverAllList, rkFastestLaps},
    {"Poles7", D, "All1", "Poles", 26, P::DriverAllList, rkPoles},
    {"races1", D, "onthispist1", "Races", 11, P::DriverPistList, rkRaces},
    {"wins1", D, "onthispist1", "Wins", 12, P::DriverPistList, rkWins},
    {"Podiums2", D, "onthispist1", "Podiums", 48, P::DriverPistList, rkPodiums},
    {"FL1", D, "onthispist1", "Fastest Laps", 13, P::DriverPistList, rkFastestLaps},
    {"poles1", D, "onthispist1", "Poles", 14, P::DriverPistList, rkPoles},
    {"races2", D, "onthisyear1", "Races", 15, P::DriverYearList, rkRaces},
    {"wins2", D, "onthisyear1", "Wins", 16, P::DriverYearList, rkWins},
    {"Podiums3", D, "onthisyear1", "Podiums", 49, P::DriverYearList, rkPodiums},
    {"FL2", D, "onthisyear1", "Fastest Laps", 17, P::DriverYearList, rkFastestLaps},
    {"poles2", D, "onthisyear1", "Poles", 18, P::DriverYearList, rkPoles},
    {"races3", D, "onthisteam1", "Races", 19, P::DriverTeamList, rkRaces},
    {"wins3", D, "onthisteam1", "Wins", 20, P::DriverTeamList, rkWins},
    {"Podiums4", D, "onthisteam1", "Podiums", 50, P::DriverTeamList, rkPodiums},
    {"FL3", D, "onthisteam1", "Fastest Lap", 21, P::DriverTeamList, rkFastestLaps},
    {"poles3", D, "onthisteam1", "Poles", 22, P::DriverTeamList, rkPoles},
    // popupteam
    {"Allraces1", T, "All2", "Races", 39, P::TeamAllList, rkRaces},
    {"Allwins1", T, "All2", "Wins", 40, P::TeamAllList, rkWins},
    {"Podiums8", T, "All2", "Podiums", 51, P::TeamAllList, rkPodiums},
    {"Allfastestlaps1", T, "All2", "Fastest Laps", 41, P::TeamAllList, rkFastestLaps},
    {"Allpoles1", T, "All2", "Poles", 42, P::TeamAllList, rkPoles},
    {"races4", T, "onthispist2", "Races", 31, P::TeamPistList, rkRaces},
    {"wins4", T, "onthispist2", "Wins", 32, P::TeamPistList, rkWins},
    {"Podiums7", T, "onthispist2", "Podiums", 52, P::TeamPistList, rkPodiums},
    {"Fastestlaps2", T, "onthispist2", "Fastest Laps", 33, P::TeamPistList, rkFastestLaps},
    {"poles4", T, "onthispist2", "Poles", 34, P::TeamPistList, rkPoles},
    {"races5", T, "onthisyear2", "Races", 35, P::TeamYearList, rkRaces},
    {"wins5", T, "onthisyear2", "Wins", 36, P::TeamYearList, rkWins},
    {"Podiums6", T, "onthisyear2", "Podiums", 53, P::TeamYearList, rkPodiums},
    {"Fastestlaps3", T, "onthisyear2", "Fastest Laps", 37, P::TeamYearList, rkFastestLaps},
    {"poles5", T, "onthisyear2", "Poles", 38, P::TeamYearList, rkPoles},
    {"races6", T, "bythisdriver1", "Races", 27, P::DriverTeamList, rkRaces},
    {"wins6", T, "bythisdriver1", "Wins", 28, P::DriverTeamList, rkWins},
    {"Podiums5", T, "bythisdriver1", "Podiums", 54, P::DriverTeamList, rkPodiums},
    {"Fastestlaps1", T, "bythisdriver1", "Fastest Laps", 29, P::DriverTeamList, rkFastestLaps},
    {"poles6", T, "bythisdriver1", "Poles", 30, P::DriverTeamList, rkPoles},
    // Popuppist
    {"AllRaces2", K, "", "Races & Results", 43, P::AllRaces2Click, rkRaces},
    {"AllWinners1", K, "", "Winners", 44, P::PistRecordList, rkWins},
    {"Podiums9", K, "", "Podiums", 55, P::PistRecordList, rkPodiums},
    {"AllFastestLaps2", K, "", "Fastest Laps", 45, P::PistRecordList, rkFastestLaps},
    {"AllPoles2", K, "", "Poles", 46, P::PistRecordList, rkPoles},
}};

} // namespace

std::span<const RecordSubmenu> RecordSubmenus() {
    return kSubmenus;
}
std::span<const RecordMenuCommand> RecordMenuCommands() {
    return kCommands;
}

const RecordMenuCommand* FindRecordMenuCommand(std::string_view item) {
    for (const RecordMenuCommand& c : kCommands)
        if (c.Item == item) return &c;
    return nullptr;
}

const RecordMenuCommand* FindRecordMenuCommand(RecordProducer producer, RecordKind kind,
                                               GridPopup popup) {
    for (const RecordMenuCommand& c : kCommands)
        if (c.Producer == producer && c.Popup == popup &&
            (c.Kind == kind || producer == RecordProducer::AllRaces2Click))
            return &c;
    return nullptr;
}

void RunRecordMenuCommand(TableContext& ctx, const RecordMenuCommand& command) {
    const std::uint16_t record = ctx.grid.SelectedRecord;
    const RecordProducer producer = command.Producer;
    const RecordKind kind = command.Kind;
    ctx.history.menuekle(record, 0, command.HistoryKind, [&ctx, producer, kind, record] {
        ctx.grid.SelectedRecord = record;
        RunRecordProducer(ctx, producer, kind);
    });
    RunRecordProducer(ctx, producer, kind);
}

void OpenRecordPopup(TableContext& ctx, GridPopup popup, std::uint16_t record) {
    const The_Class& db = ctx.db;
    ctx.grid.SelectedRecord = record;
    std::string text;
    if (popup == GridPopup::Driver) {
        ctx.browser.DriverBox = db.ResultDriverName(record);
    } else if (popup == GridPopup::Team) {
        text = db.ResultTeamName(record);
    } else if (popup == GridPopup::Track) {
        const std::uint16_t g = db.GPOfResult(record);
        text = g ? db.TrackNameOf(db.GPs[g].Track) : std::string(Unknown);
    }
    for (MenuCaption& c : RecordPopupCaptions(db, popup, record, text))
        ctx.MenuCaptions[c.Item] = std::move(c.Caption);
}

} // namespace qor
