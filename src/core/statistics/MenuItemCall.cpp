#include "statistics/MenuItemCall.h"

#include "mainwindow/GPBrowser.h"
#include "mainwindow/MainState.h"
#include "statistics/ChampionshipTables.h"
#include "statistics/RecordMenus.h"
#include "statistics/SeasonLists.h"

namespace qor {
namespace {

template <std::size_t N>
const MenuTableCommand* FindCommand(const std::array<MenuTableCommand, N>& list,
                                    std::string_view item) {
    for (const MenuTableCommand& c : list)
        if (c.Item == item) return &c;
    return nullptr;
}

} // namespace

bool RunMenuItemCall(TableContext& ctx, const MenuItemCall& call) {
    if (call.Empty()) return false;
    const RecordMenuCommand* record = FindRecordMenuCommand(call.Item);
    const MenuTableCommand* table = FindCommand(ChampionshipCommands, call.Item);
    if (!table) table = FindCommand(SeasonListCommands, call.Item);
    if (!record && !table) return false;
    if (call.Year != 0) {
        const int index = YearBoxIndex(ctx, call.Year);
        if (index < 0) return false;
        ctx.browser.YearIndex = index;
        ComboBox1Change(ctx);
    }
    ctx.grid.SelectedRecord = call.SelectedRecord;
    if (record)
        RunRecordMenuCommand(ctx, *record);
    else
        table->Run(ctx);
    return true;
}

} // namespace qor
