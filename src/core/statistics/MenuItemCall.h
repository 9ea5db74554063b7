#pragma once
// A main-window command that a statistics window asks for when one of its names or lines is
// clicked: which menu item or button to run, with which SelectedRecord and year.

#include <cstdint>
#include <string_view>

namespace qor {

struct TableContext;

// A request to run a main-window command as if the user had chosen it. The window sets
// SelectedRecord, selects Year in the year box first when it is not 0 (running the box's
// change handler), then runs Item. An empty Item asks for nothing.
struct MenuItemCall {
    std::string_view Item;
    std::uint16_t SelectedRecord = 0;
    int Year = 0;

    bool Empty() const { return Item.empty(); }
};

// Runs a call as the main window would: the year box first (when Year is set), then
// SelectedRecord and the item, which may be a record-popup item, a championship or season-list
// command. False when the year is not listed or no command has that name (nothing runs).
bool RunMenuItemCall(TableContext& ctx, const MenuItemCall& call);

} // namespace qor
