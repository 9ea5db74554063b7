#include "mainwindow/DriverCombo.h"

#include "mainwindow/StartupSettings.h"

namespace qor {

bool FillDriverCombo(const The_Class& db, int sinceYear, std::vector<std::string>& items) {
    if (sinceYear < FirstYear || sinceYear > db.LastYear) return false;
    std::vector<bool> marked(static_cast<std::size_t>(db.DriverCount) + 1, false);
    const TSeasonRow& season = db.Seasons[sinceYear];
    // A season without GPs starts after the last result: only added drivers are listed.
    int first = db.ResultCount + 1;
    if (season.LastGP >= season.FirstGP && season.FirstGP >= 1 && season.FirstGP <= db.GPCount)
        first = db.GPs[season.FirstGP].FirstResult;
    for (int r = first < 1 ? 1 : first; r <= db.ResultCount; ++r) {
        const std::uint16_t d = db.Results[static_cast<std::size_t>(r)].Driver;
        if (d >= 1 && d <= db.DriverCount) marked[d] = true;
    }
    for (int d = FirstAddedDriver; d <= db.DriverCount; ++d)
        marked[static_cast<std::size_t>(d)] = true;
    items.clear();
    for (int d = 1; d <= db.DriverCount; ++d)
        if (marked[static_cast<std::size_t>(d)]) items.push_back(db.DriverName(d));
    return true;
}

} // namespace qor
