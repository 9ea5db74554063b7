#pragma once
// The built-in English texts of the UI string table, the slot numbers code refers to, and which
// main-window control shows which slot.

#include <array>
#include <cstddef>
#include <string_view>

namespace qor {

// Slots of the string table are numbered 1..StringSlotCount.
inline constexpr int StringSlotCount = 299;
// Slots 1..DefaultStringCount have built-in English texts; the rest have none.
inline constexpr int DefaultStringCount = 222;

// English texts of slots 1..222 (element 0 is unused and empty; slot 53 is empty too).
extern const std::array<std::string_view, DefaultStringCount + 1> DefaultStrings;

// Slot numbers by meaning. Texts of other windows come in ranges; grid and table titles,
// words and messages have names of their own.
namespace slot {
// Other windows' captions, put on their controls by those windows.
inline constexpr int DriverPanelFirst = 1, DriverPanelLast = 21;
inline constexpr int GPInfoDialogFirst = 22, GPInfoDialogLast = 33;
inline constexpr int RecordDialogFirst = 34, RecordDialogLast = 44;
inline constexpr int TopListsFirst = 45, TopListsLast = 53;
inline constexpr int TrackStatsFirst = 54, TrackStatsLast = 59;

// Titles of the record lists and tables (TitlesFirst..TitlesLast). The column titles
// ColumnTitlesFirst..ColumnTitlesLast carry one leading blank on screen.
inline constexpr int TitlesFirst = 97, TitlesLast = 143;
inline constexpr int ColumnTitlesFirst = 102, ColumnTitlesLast = 120;
inline constexpr int Grid = 97;
inline constexpr int Constructors = 98;
inline constexpr int Retirements = 99;
inline constexpr int RecordsFound = 101;
inline constexpr int Name = 102;
inline constexpr int Pos = 103;
inline constexpr int Team = 104;
inline constexpr int Time = 105;
inline constexpr int FLTime = 106;
inline constexpr int PoleTime = 107;
inline constexpr int FastestLap = 108;
inline constexpr int PolePosition = 109;
inline constexpr int Notes = 110;
inline constexpr int Date = 111;
inline constexpr int Track = 112;
inline constexpr int Winner = 113;
inline constexpr int Grandprix = 114;
inline constexpr int Points = 115;
inline constexpr int TeamColumn = 116; // a second "Team" title
inline constexpr int Engine = 117;
inline constexpr int Driver = 118;
inline constexpr int Nationality = 119;
inline constexpr int Year = 120;
inline constexpr int Champion = 121;
inline constexpr int ChampionTeam = 122;
inline constexpr int ChampionDriver = 123;
inline constexpr int Nat = 124;
inline constexpr int Years = 125;
inline constexpr int Wins = 126;
inline constexpr int Car = 127;
inline constexpr int Winners = 128;
inline constexpr int FastestLaps = 129;
inline constexpr int PolePositions = 130;
inline constexpr int AllRecords = 131;
inline constexpr int DriversChampionship = 132;
inline constexpr int ConstructorsChampionship = 133;
inline constexpr int ConstructorsChampionshipWinners = 134;
inline constexpr int DriversChampionshipWinners = 135;
inline constexpr int DriversChampionshipTitle = 136;
inline constexpr int ConstructorsChampionshipTitle = 137;
inline constexpr int PointsByYear = 138;
inline constexpr int ChampionshipWord = 139;
inline constexpr int FindName = 140;
inline constexpr int Podiums = 141;
inline constexpr int Search = 142;
inline constexpr int DoubleClickToSelect = 143;
inline constexpr int Usage = 176;
// Messages and status words of the online windows.
inline constexpr int ConnectionBusy = 191;
inline constexpr int Completed = 211;
inline constexpr int CommunicationCompleted = 213;
inline constexpr int ServerNotAvailable = 214;
inline constexpr int PasswordRepeatWrong = 215;
inline constexpr int Waiting = 217;
inline constexpr int LoginBeforePassword = 219;
// The message board's texts the command line prints too.
inline constexpr int WriteOrRateFirst = 202, RateNeedsLogin = 203, MessagesTotal = 208,
                     PageHeading = 210;
// The rest of the message board's texts.
inline constexpr int SeeReviewsHelp = 204;
inline constexpr int CharacterNotAllowed = 205;
inline constexpr int ConfirmDeleteMessage = 206;
inline constexpr int SendingMessage = 207;
inline constexpr int PageWord = 209;
inline constexpr int GettingReviews = 212;

// Slots copied into the named message texts after every load.
inline constexpr int MessagesFirst = 184, MessagesLast = 222;
// Menu captions inside the message range (not messages).
inline constexpr int DarkLevelMenu = 200, ModernMenu = 201, ExtraLanguageMenu = 216;
} // namespace slot

// A main-window control and the slot whose text it shows.
struct ControlSlot {
    std::string_view Control;
    int Slot;
};

// Every main-window menu item, label and button whose caption comes from the string table.
extern const std::array<ControlSlot, 80> MainWindowCaptions;

} // namespace qor
