#include "statistics/RecordSubject.h"

#include <algorithm>

namespace qor {

std::uint16_t FirstMatchingResult(const The_Class& db, const RecordSubjectQuery& query) {
    if (db.LastYear < FirstYear) return 0;
    if (query.Year && !db.IsYearLoaded(query.Year)) return 0;
    const int fromYear = query.Year ? query.Year : FirstYear;
    const int toYear = query.Year ? query.Year : db.LastYear;
    const int first = std::max<int>(db.Seasons[fromYear].FirstGP, 1);
    const int last = std::min<int>(db.Seasons[toYear].LastGP, db.GPCount);
    for (int g = first; g <= last; ++g) {
        const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
        if (query.Track && gp.Track != query.Track) continue;
        const int lastResult = std::min<int>(gp.LastResult, db.ResultCount);
        for (int r = gp.FirstResult; r <= lastResult; ++r) {
            const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
            if (query.Driver && rec.Driver != query.Driver) continue;
            if (query.Team && rec.Team != query.Team) continue;
            return static_cast<std::uint16_t>(r);
        }
    }
    return 0;
}

} // namespace qor
