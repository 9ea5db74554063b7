#include "Guesses.h"
#include "ServiceText.h"

#include "online/FormFields.h"
#include "online/GuessGame.h"
#include "online/Protocol.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <limits>
#include <optional>
#include <vector>

namespace qor::server {

namespace online = qor::online;

namespace {

// What the window keeps of a reply, less the end marker it keeps with it.
constexpr std::size_t PayloadMax = online::GuessPayloadKeep - online::Marker.size();
constexpr std::string_view NoGP = "There is no Grand Prix open for guessing.";

std::string Clock(std::int64_t seconds) {
    return UtcMinute(seconds) + " UTC";
}

std::optional<int> Number(std::string_view s) {
    const auto n = WholeNumber(s);
    if (!n || *n < std::numeric_limits<int>::min() || *n > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*n);
}

std::string Plural(std::int64_t n, const char* unit) {
    return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

// "2 days 3 hours", "5 hours 10 minutes", "12 minutes" or "closed".
std::string Remaining(std::int64_t seconds) {
    if (seconds <= 0) return "closed";
    const std::int64_t minutes = (seconds + 59) / 60, hours = minutes / 60, days = hours / 24;
    if (days > 0) return Plural(days, "day") + " " + Plural(hours % 24, "hour");
    if (hours > 0) return Plural(hours, "hour") + " " + Plural(minutes % 60, "minute");
    return Plural(minutes, "minute");
}

std::string Section(std::string_view tag, const std::string& body) {
    return std::string(tag) + body + std::string(tag);
}

online::GuessRace Race(const GuessGP& gp, const online::GuessIds& ids, int number = 0) {
    return {number, std::to_string(gp.Date), gp.Name, ids};
}

// A text record of the user messages: its end-token never occurs in the text.
std::string UserMessage(const std::string& text) {
    std::string token = "E";
    for (int n = 0; text.find("*" + token) != std::string::npos; ++n)
        token = "E" + std::to_string(n);
    return "*" + token + "*" + text + "*" + token;
}

// The list items split at "_", which user names may hold: there it is written as "-", which
// they may not, and the window asks for a player's guesses by the name as listed.
std::string ListName(std::string name) {
    std::replace(name.begin(), name.end(), '_', '-');
    return name;
}
std::string UserName(std::string_view listed) {
    std::string name(listed);
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

} // namespace

std::string GuessDateText(int date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date / 10000, date / 100 % 100, date % 100);
    return text;
}

std::string GuessNameProblem(std::string_view name) {
    if (name.empty() || name.size() > GuessNameMax)
        return "a name must be 1 to " + std::to_string(GuessNameMax) + " characters";
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("_*[]&").find(c) != std::string_view::npos)
            return "a name must not hold control characters or any of _ * [ ] &";
    if (name.front() == ' ' || name.back() == ' ') return "a name must not start or end blank";
    return {};
}

bool EnterGuessResult(Store& store, const GuessGP& gp, const online::GuessIds& result) {
    std::vector<std::pair<std::string, int>> points;
    for (const GuessEntry& g : store.GuessesOfGP(gp.Id))
        points.emplace_back(g.UserKey, online::ScoreGuess(result, g.Ids).Total());
    return store.PutGuessResult(gp.Id, result, points);
}

Guesses::Guesses(Store& store, Accounts& accounts) : store_(store), accounts_(accounts) {}

std::string Guesses::StatusOnly(std::string_view status) {
    return Section("[status]", std::string(status));
}

std::string Guesses::Save(const online::FormFields& fields, const std::string& key, bool loggedIn,
                          const std::string& refusal) {
    if (!loggedIn)
        return refusal.empty() || refusal == "Please log in first."
                   ? "You must be logged in to save a guess."
                   : refusal;
    const auto gp = store_.ActiveGuessGP();
    if (!gp) return std::string(NoGP);
    if (Now() >= gp->ClosesAt)
        return "Guessing for the " + gp->Name + " closed at " + Clock(gp->ClosesAt) + ".";
    online::GuessIds ids{};
    static constexpr const char* names[10] = {"u1", "u2", "u3", "u4",  "u5",
                                              "u6", "u7", "u8", "ufl", "upp"};
    for (std::size_t k = 0; k < ids.size(); ++k) {
        const auto id = Number(fields.Value(names[k]));
        if (!id || *id < 0) return "Your guess could not be read.";
        ids[k] = *id;
    }
    if (std::string problem = online::GuessSaveProblem(ids); !problem.empty()) return problem;
    // A blank choice (0) is allowed and scores nothing; a guess of blanks only is no guess.
    if (std::all_of(ids.begin(), ids.end(), [](int id) { return id == 0; }))
        return "Choose your drivers before saving.";
    const auto drivers = store_.GuessDrivers();
    for (int id : ids)
        if (id != 0 && std::none_of(drivers.begin(), drivers.end(),
                                    [id](const auto& d) { return d.first == id; }))
            return "Your guess names a driver who is not offered.";
    if (!store_.PutGuess({gp->Id, key, "", ids, 0, Now()}))
        return "The service cannot store your guess now. Please try later.";
    return "Your guess is saved.";
}

std::string Guesses::Answer(const online::FormFields& fields, const std::string& address) {
    std::string key, refusal;
    if (!fields.Value("user").empty())
        refusal = accounts_.CheckLogIn(fields.Value("user"), fields.Value("kod"), address, key);
    const bool in = !fields.Value("user").empty() && refusal.empty();
    auto flag = [&](std::string_view name) { return fields.Value(name) == "1"; };

    std::string status;
    if (flag("kaydet")) status += StatusOnly(Save(fields, key, in, refusal));
    const std::int64_t now = Now();
    const auto gp = store_.ActiveGuessGP();
    // Date and name make the window's active-GP line; with none ever opened the section is
    // left out, so the line keeps its "---" (which the window's "no GP" test knows).
    std::string fixed = status;
    if (gp)
        fixed += Section("[activegp]", GuessDateText(gp->Date) + "_" + gp->Name + "_" +
                                           Clock(gp->ClosesAt) + "_" + Clock(now) + "_" +
                                           Remaining(gp->ClosesAt - now) + "_");
    if (flag("driver_list")) {
        fixed += "drivers:";
        for (const auto& [id, name] : store_.GuessDrivers())
            fixed += std::to_string(id) + "_" + name + "*";
        fixed += "0_*"; // ends the list before whatever section follows
    }

    // The races of the results and of a player's guesses are the same: the newest scored ones,
    // as many as fit.
    const auto races = store_.ScoredGuessGPs(static_cast<int>(GuessRacesMax));
    std::vector<std::string> resultRecords, guessRecords;
    for (std::size_t i = 0; i < races.size(); ++i)
        resultRecords.push_back(online::FormatGuessRace(
            Race(races[i], races[i].Result, static_cast<int>(i) + 1), true));
    const bool withResults = flag("results"), withGuesses = flag("get_guess");
    std::string guessUser;
    if (withGuesses) {
        guessUser = fields.Get("guessuser") ? UserName(fields.Value("guessuser"))
                                            : (in ? std::string(fields.Value("user")) : "");
        // The name goes back into the reply: nothing that is not a user name.
        if (!ValidUserName(guessUser)) guessUser.clear();
        std::vector<GuessEntry> entries;
        if (!guessUser.empty()) entries = store_.GuessesOfUser(UserKey(guessUser));
        for (const GuessGP& race : races) {
            const auto g = std::find_if(entries.begin(), entries.end(),
                                        [&](const GuessEntry& e) { return e.GP == race.Id; });
            guessRecords.push_back(g == entries.end()
                                       ? std::string()
                                       : online::FormatGuessRace(Race(race, g->Ids), false));
        }
        // Shown as the player's name: his own spelling when he has one.
        if (!entries.empty()) guessUser = entries.front().UserName;
    }

    std::string players;
    if (fields.Get("listpage")) {
        const auto ranking = store_.GuessRanking();
        const int pages = std::max<int>(
            1, static_cast<int>((ranking.size() + PlayersPerPage - 1) / PlayersPerPage));
        const int page = std::clamp(Number(fields.Value("listpage")).value_or(0), 0, pages - 1);
        players = "[" + std::to_string(pages) + "][" + std::to_string(page) + "]";
        for (std::size_t i = static_cast<std::size_t>(page) * PlayersPerPage;
             i < ranking.size() && i < static_cast<std::size_t>(page + 1) * PlayersPerPage; ++i) {
            // Equal points share a rank.
            std::size_t rank = i;
            while (rank > 0 && ranking[rank - 1].Points == ranking[i].Points)
                --rank;
            players += std::to_string(rank + 1) + "_" + ListName(ranking[i].UserName) + "_" +
                       std::to_string(ranking[i].Points) + "_*";
        }
        players = Section("[players]", players);
    }

    std::string mine;
    if (flag("my_guess")) {
        if (!in) {
            mine = "[Please log in to make your guess.]";
        } else if (!gp) {
            mine = "[" + std::string(NoGP) + "]";
        } else {
            mine = "[Guess for " + GuessDateText(gp->Date) + " " + gp->Name + "]";
            for (const GuessEntry& e : store_.GuessesOfGP(gp->Id))
                if (e.UserKey == key) mine += online::FormatGuessRace(Race(*gp, e.Ids), false);
        }
        mine = Section("[myguess]", mine);
    }

    std::string messages;
    if (in && !races.empty()) {
        const GuessGP& last = races.front();
        const auto entries = store_.GuessesOfGP(last.Id);
        const auto mineLast = std::find_if(entries.begin(), entries.end(),
                                           [&](const GuessEntry& e) { return e.UserKey == key; });
        messages =
            Section("[usermsg]", UserMessage(mineLast == entries.end()
                                                 ? "You made no guess for the " + last.Name +
                                                       " of " + GuessDateText(last.Date) + "."
                                                 : "Your points for the " + last.Name + " of " +
                                                       GuessDateText(last.Date) + ": " +
                                                       std::to_string(mineLast->Points) + "."));
    }

    // The oldest races go first when the reply would not fit; no section is ever cut.
    const std::size_t rest = fixed.size() + players.size() + mine.size() + messages.size();
    std::size_t count = races.size();
    auto sized = [&](std::size_t n) {
        std::size_t size = rest;
        if (withResults) size += 2 * 9;
        if (withGuesses) size += 2 * 7 + guessUser.size() + 2;
        for (std::size_t i = 0; i < n; ++i)
            size += (withResults ? resultRecords[i].size() : 0) +
                    (withGuesses ? guessRecords[i].size() : 0);
        return size;
    };
    while (count > 0 && sized(count) > PayloadMax)
        --count;

    std::string out = fixed;
    if (withResults) {
        std::string body;
        for (std::size_t i = 0; i < count; ++i)
            body += resultRecords[i];
        out += Section("[results]", body);
    }
    out += players;
    if (withGuesses) {
        std::string body = "[" + guessUser + "]";
        for (std::size_t i = 0; i < count; ++i)
            body += guessRecords[i];
        out += Section("[guess]", body);
    }
    return out + mine + messages;
}

} // namespace qor::server
