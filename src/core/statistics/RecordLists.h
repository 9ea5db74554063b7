#pragma once
// The record lists: every race, win, podium, fastest lap or pole position of the driver, team
// or track of one result record, over the whole history or restricted to a track, a season or
// a driver/team pairing, written into tablo1 in chronological order.

#include "mainwindow/MainState.h"

#include <cstdint>
#include <string>

namespace qor {

// What a record list counts.
enum RecordKind : int {
    rkPodiums = -1,
    rkRaces = 0,
    rkWins = 1,
    rkFastestLaps = 2,
    rkPoles = 3,
};

// The list producers. Each takes its subject from ctx.grid.SelectedRecord (a result record
// index): the record's driver and team, and the track and season of its GP. They do not record
// themselves in the history (the menu commands do, RecordMenus.h); they hide the GP information
// panel, set the title and the history caption, and fill tablo1 with the result record of
// each row as its key.

// The driver's records on the subject track (layout A).
void DriverPistList(TableContext& ctx, RecordKind kind);
// The driver's records in the subject season (layout B).
void DriverYearList(TableContext& ctx, RecordKind kind);
// The driver's records with the subject team (layout B).
void DriverTeamList(TableContext& ctx, RecordKind kind);
// All the driver's records (layout B).
void DriverAllList(TableContext& ctx, RecordKind kind);
// The team's records on the subject track, one row per car (layout A).
void TeamPistList(TableContext& ctx, RecordKind kind);
// The team's records in the subject season (layout B).
void TeamYearList(TableContext& ctx, RecordKind kind);
// All the team's records (layout B).
void TeamAllList(TableContext& ctx, RecordKind kind);
// Every driver's records on the subject track (layout A).
void PistRecordList(TableContext& ctx, RecordKind kind);
// Every GP of the subject track with its winner, fastest lap and pole (layout C).
void AllRaces2Click(TableContext& ctx);

// The producers by name, for the menu table and the command line.
enum class RecordProducer {
    DriverPistList,
    DriverYearList,
    DriverTeamList,
    DriverAllList,
    TeamPistList,
    TeamYearList,
    TeamAllList,
    PistRecordList,
    AllRaces2Click,
};

// Runs one producer (AllRaces2Click ignores the kind).
void RunRecordProducer(TableContext& ctx, RecordProducer producer, RecordKind kind);

} // namespace qor
