#include "online/GuessGame.h"

#include <charconv>

namespace qor::online {

namespace {
std::optional<int> Number(std::string_view s) {
    int n = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return n;
}

// Consumes `tag` when the rest begins with it.
bool Take(std::string_view& rest, std::string_view tag) {
    if (rest.substr(0, tag.size()) != tag) return false;
    rest.remove_prefix(tag.size());
    return true;
}

// The body of a section tag...tag; the rest moves past its closing tag (or to the end).
std::string_view Section(std::string_view& rest, std::string_view tag) {
    const auto end = rest.find(tag);
    const std::string_view body = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + tag.size());
    return body;
}

// Splits at `sep`; the text after the last separator is dropped.
std::vector<std::string_view> Items(std::string_view s, char sep) {
    std::vector<std::string_view> out;
    for (auto at = s.find(sep); at != std::string_view::npos; at = s.find(sep)) {
        out.push_back(s.substr(0, at));
        s.remove_prefix(at + 1);
    }
    return out;
}

// key "_" name "_" ten ids each followed by "_" (after an optional leading number).
std::optional<GuessRace> Race(std::string_view record, bool withNumber) {
    const auto f = Items(record, '_');
    const std::size_t base = withNumber ? 1 : 0;
    if (f.size() < base + 12) return std::nullopt;
    GuessRace r;
    if (withNumber) {
        const auto n = Number(f[0]);
        if (!n) return std::nullopt;
        r.Number = *n;
    }
    r.Key = f[base];
    r.Name = f[base + 1];
    for (std::size_t k = 0; k < 10; ++k) {
        const auto id = Number(f[base + 2 + k]);
        if (!id) return std::nullopt;
        r.Ids[k] = *id;
    }
    return r;
}

// An optional "[" text "]" at the front.
std::optional<std::string> Bracketed(std::string_view& rest) {
    if (rest.empty() || rest[0] != '[') return std::nullopt;
    const auto end = rest.find(']');
    if (end == std::string_view::npos) return std::nullopt;
    std::string text(rest.substr(1, end - 1));
    rest.remove_prefix(end + 1);
    return text;
}
} // namespace

GuessScore ScoreGuess(const GuessIds& result, const GuessIds& guess) {
    GuessScore s;
    static constexpr int exact[3] = {20, 15, 10};
    for (int g = 0; g < 3; ++g)
        for (int i = 0; i < 3; ++i)
            if (result[g] != 0 && guess[g] != 0 && result[i] == guess[g])
                s.Top += i == g ? exact[g] : 3;
    if (s.Top == 45) s.Top = 65;
    for (int g = 3; g < 8; ++g)
        for (int r = 3; r < 8; ++r)
            if (guess[g] != 0 && result[r] == guess[g]) s.Rest += r == g ? 5 : 2;
    if (s.Rest == 25) s.Rest = 80;
    for (int k = 8; k < 10; ++k)
        if (result[k] != 0 && result[k] == guess[k]) s.Laps += 15;
    if (s.Laps == 30) s.Laps = 40;
    return s;
}

std::string GuessListPagePart(int page) {
    return "&listpage=" + std::to_string(page < 0 ? 0 : page);
}

std::string MakeGuessPart(bool havePlayers) {
    return havePlayers ? "&my_guess=1&listpage=0" : "&my_guess=1";
}

std::string GuessHistoryPart(std::string_view player) {
    return "&get_guess=1&guessuser=" + std::string(player);
}

std::string SaveGuessPart(const GuessIds& ids) {
    std::string part = "&kaydet=1&my_guess=1";
    for (int k = 0; k < 8; ++k)
        part += "&u" + std::to_string(k + 1) + "=" + std::to_string(ids[k]);
    return part + "&ufl=" + std::to_string(ids[8]) + "&upp=" + std::to_string(ids[9]);
}

std::string GuessSaveProblem(const GuessIds& ids) {
    for (int a = 0; a < 8; ++a)
        for (int b = a + 1; b < 8; ++b)
            if (ids[a] > 0 && ids[a] == ids[b])
                return "You must select different drivers for position 1 to 8!";
    return {};
}

GuessReply ParseGuessReply(std::string_view rest) {
    GuessReply r;
    auto statuses = [&] {
        while (Take(rest, "[status]"))
            r.Status.emplace_back(Section(rest, "[status]"));
    };
    statuses();
    if (Take(rest, "[activegp]")) {
        const auto f = Items(Section(rest, "[activegp]"), '_');
        std::array<std::string, 5> a;
        for (std::size_t k = 0; k < 5 && k < f.size(); ++k)
            a[k] = f[k];
        r.ActiveGP = a;
    }
    statuses();
    if (Take(rest, "drivers:")) {
        std::vector<std::pair<int, std::string>> drivers;
        while (true) {
            const auto star = rest.find('*');
            if (star == std::string_view::npos) break;
            const std::string_view item = rest.substr(0, star);
            const auto sep = item.find('_');
            const auto id = Number(item.substr(0, sep));
            rest.remove_prefix(star + 1);
            if (!id || *id == 0 || sep == std::string_view::npos) break;
            drivers.emplace_back(*id, std::string(item.substr(sep + 1)));
        }
        r.Drivers = std::move(drivers);
    }
    statuses();
    if (Take(rest, "[results]")) {
        std::vector<GuessRace> races;
        for (std::string_view record : Items(Section(rest, "[results]"), '*')) {
            const auto number = Number(record.substr(0, record.find('_')));
            if (!number || *number == 0) break;
            auto race = Race(record, true);
            if (!race) {
                r.ResultsHadErrors = true;
                continue;
            }
            if (races.size() < 30) races.push_back(std::move(*race));
        }
        r.Results = std::move(races);
    }
    statuses();
    if (Take(rest, "[players]")) {
        std::string_view body = Section(rest, "[players]");
        GuessPlayers p;
        const auto count = Number(Bracketed(body).value_or(""));
        p.PageCount = count && *count > 0 ? *count : 1;
        p.Page = Number(Bracketed(body).value_or("")).value_or(0);
        for (std::string_view item : Items(body, '*')) {
            const std::string fields = std::string(item) + "_";
            const auto f = Items(fields, '_');
            if (f.size() < 3) continue;
            p.Lines.push_back(std::string(f[0]) + ". " + std::string(f[1]) + "  (" +
                              std::string(f[2]) + ")");
        }
        if (p.Lines.empty()) p.Lines.push_back("*No user has point*");
        r.Players = std::move(p);
    }
    statuses();
    if (Take(rest, "[guess]")) {
        std::string_view body = Section(rest, "[guess]");
        r.GuessUser = Bracketed(body).value_or("");
        std::vector<GuessRace> guesses;
        for (std::string_view item : Items(body, '*'))
            if (auto g = Race(item, false)) guesses.push_back(std::move(*g));
        r.Guesses = std::move(guesses);
    }
    statuses();
    if (Take(rest, "[myguess]")) {
        std::string_view body = Section(rest, "[myguess]");
        r.MyGuessText = Bracketed(body).value_or("");
        const auto items = Items(body, '*');
        r.HasMyGuess = true;
        if (!items.empty()) r.MyGuess = Race(items[0], false);
    }
    statuses();
    if (Take(rest, "[usermsg]")) {
        std::string_view body = Section(rest, "[usermsg]");
        std::vector<std::string> messages;
        while (body.size() > 1 && body[0] == '*') {
            body.remove_prefix(1);
            const auto star = body.find('*');
            if (star == std::string_view::npos || star == 0) break;
            const std::string end = "*" + std::string(body.substr(0, star));
            body.remove_prefix(star + 1);
            const auto stop = body.find(end);
            if (stop == std::string_view::npos) break;
            messages.emplace_back(body.substr(0, stop));
            body.remove_prefix(stop + end.size());
        }
        r.UserMessages = std::move(messages);
    }
    return r;
}

std::string FormatGuessRace(const GuessRace& race, bool withNumber) {
    std::string out = withNumber ? std::to_string(race.Number) + "_" : std::string();
    out += race.Key + "_" + race.Name + "_";
    for (int id : race.Ids)
        out += std::to_string(id) + "_";
    return out + "*";
}

} // namespace qor::online
