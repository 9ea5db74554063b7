#include "database/NameSuggestions.h"

#include "text/Encoding.h"

#include <algorithm>
#include <map>
#include <utility>

namespace qor {
namespace {

// Edits (insert, delete, replace) between two texts.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = up;
        }
    }
    return row[b.size()];
}

// Every spelling a name of `kind` may be asked by, with the stored name it stands for.
std::vector<std::pair<std::string, std::string>> Spellings(const The_Class& db, NameKind kind) {
    std::vector<std::pair<std::string, std::string>> all;
    switch (kind) {
    case NameKind::Driver:
        for (int d = 1; d <= std::min<int>(db.DriverCount, MaxDrivers); ++d)
            all.emplace_back(db.DriverName(d), db.DriverName(d));
        for (const TOtherName& o : db.OtherNames)
            if (o.Driver) all.emplace_back(o.Name, db.DriverName(o.Driver));
        break;
    case NameKind::Team:
        for (int t = 1; t <= std::min<int>(db.TeamCount, MaxTeams); ++t)
            all.emplace_back(db.TeamName(t), db.TeamName(t));
        break;
    case NameKind::Track:
        for (int t = 1; t <= std::min<int>(db.TrackCount, MaxTracks); ++t)
            all.emplace_back(db.TrackNameOf(t), db.TrackNameOf(t));
        // A track is often asked by its GP's name: "Monaco" for Monte Carlo.
        for (int g = 1; g <= std::min<int>(db.GPCount, MaxGPs); ++g) {
            const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
            all.emplace_back(db.GPNameOf(gp.GPName), db.TrackNameOf(gp.Track));
        }
        break;
    }
    return all;
}

} // namespace

std::vector<std::string> SuggestNames(const The_Class& db, NameKind kind, std::string_view wanted,
                                      std::size_t most) {
    const std::string key = AsciiLowerCase(TrimBlanks(wanted));
    if (key.empty() || most == 0) return {};
    // A misspelling changes at most about a third of the name; a part of a name ("Senna")
    // counts as one edit away.
    const std::size_t limit = std::max<std::size_t>(2, key.size() / 3);
    std::map<std::string, std::size_t> best; // stored name -> its closest spelling's distance
    for (const auto& [spelling, stored] : Spellings(db, kind)) {
        const std::string s = AsciiLowerCase(spelling);
        std::size_t d = EditDistance(key, s);
        if (key.size() >= 3 && s.find(key) != std::string::npos) d = std::min<std::size_t>(d, 1);
        if (d > limit) continue;
        const auto it = best.find(stored);
        if (it == best.end() || d < it->second) best[stored] = d;
    }
    std::vector<std::pair<std::size_t, std::string>> ranked;
    for (const auto& [stored, d] : best)
        ranked.emplace_back(d, stored);
    std::sort(ranked.begin(), ranked.end());
    std::vector<std::string> names;
    for (std::size_t i = 0; i < ranked.size() && i < most; ++i)
        names.push_back(ranked[i].second);
    return names;
}

std::string DidYouMean(const The_Class& db, NameKind kind, const std::string& wanted) {
    const std::vector<std::string> names = SuggestNames(db, kind, wanted);
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += i == 0 ? "Did you mean " : i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return names.empty() ? text : text + "?";
}

std::string NotFoundMessage(const The_Class& db, NameKind kind, const std::string& wanted) {
    const char* what = kind == NameKind::Driver ? "Driver"
                       : kind == NameKind::Team ? "Team"
                                                : "Track";
    const std::string text = std::string(what) + " \"" + wanted + "\" not found.";
    const std::string hint = DidYouMean(db, kind, wanted);
    return hint.empty() ? text : text + " " + hint;
}

std::string WithSuggestions(std::string message, const The_Class& db, NameKind kind,
                            const std::string& wanted) {
    const std::string hint = DidYouMean(db, kind, wanted);
    return hint.empty() ? message : message + ". " + hint;
}

std::string NoGPOnDateMessage(const The_Class& db, const std::string& text) {
    if (db.ParseDate(text) == 0)
        return "\"" + text + "\" is not a date; write it as day, month and year: 22 Oct 2006";
    return "No Grand Prix on " + text;
}

} // namespace qor
