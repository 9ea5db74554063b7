#pragma once
// A main-window command that builds a table: the control or menu item that runs it, its
// caption, the history kind it records and the handler, so that a window can build its
// buttons and menus from the same list the producers define.

#include "mainwindow/MainState.h"

#include <cstdint>
#include <string_view>

namespace qor {

// One command of the main window that writes a table into tablo1.
struct MenuTableCommand {
    std::string_view Item;    // control or menu item name, e.g. "button1"
    std::string_view Handler; // its event handler, e.g. "Button1Click"
    int CaptionSlot;          // string-table slot of the caption; 0 when Caption is fixed
    std::string_view Caption; // the fixed caption when CaptionSlot is 0
    std::string_view Hint;    // the control's hint, or empty
    std::uint16_t Kind;       // history kind the table records
    // Runs the command on the window's current selections (year box, year lists,
    // SelectedRecord); does nothing when the selection it needs is missing.
    void (*Run)(TableContext& ctx);
};

} // namespace qor
