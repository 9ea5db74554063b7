#pragma once
// The record list commands of the driver, team and track popup menus of the result grid: one
// table of every command, from which the window builds its popups, and running a command.

#include "mainwindow/GridInteraction.h"
#include "mainwindow/MainState.h"
#include "statistics/RecordLists.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace qor {

// A submenu of a record popup; its caption is the design-time one (the language table or the
// right-click handler replaces several).
struct RecordSubmenu {
    std::string_view Item; // component name, e.g. "onthispist1"
    GridPopup Popup;
    std::string_view Caption;
};

// One command of a record popup.
struct RecordMenuCommand {
    std::string_view Item;    // component name, e.g. "wins1"
    GridPopup Popup;          // popupdriver, popupteam or Popuppist
    std::string_view Submenu; // the submenu holding it; empty for an item of the popup itself
    std::string_view Caption; // design-time caption
    std::uint16_t HistoryKind;
    RecordProducer Producer;
    RecordKind Kind;
};

// The submenus, in menu order (All, On This Pist, On This Year, By This Team/Driver).
std::span<const RecordSubmenu> RecordSubmenus();
// Every record list command, in menu order.
std::span<const RecordMenuCommand> RecordMenuCommands();
// The command of an item name; null when no record command has that name.
const RecordMenuCommand* FindRecordMenuCommand(std::string_view item);
// The command of a popup with this producer and kind; null when the popups have none.
const RecordMenuCommand* FindRecordMenuCommand(RecordProducer producer, RecordKind kind,
                                               GridPopup popup);

// What choosing the command does, on ctx.grid.SelectedRecord: records the table in the
// history (SelectedRecord, 0, the command's kind; a re-run lists the same record again), then
// runs the producer.
void RunRecordMenuCommand(TableContext& ctx, const RecordMenuCommand& command);

// What a right click on a result record's row sets before a record popup opens: SelectedRecord
// (and the driver box for the driver menu), and the popup's captions from the record, kept in
// ctx.MenuCaptions. The team menu names the record's team, the track menu its GP's track.
void OpenRecordPopup(TableContext& ctx, GridPopup popup, std::uint16_t record);

} // namespace qor
