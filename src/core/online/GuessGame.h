#pragma once
// The guess game: the scoring of a guess against a race result, the request parts and the
// reply sections, shared by the program and the service.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor::online {

// Ten driver ids: positions 1 to 8, fastest lap, pole position (0 for none).
using GuessIds = std::array<int, 10>;

// Points of a guess: positions 1-3, positions 4-8, fastest lap and pole.
struct GuessScore {
    int Top = 0, Rest = 0, Laps = 0;
    int Total() const { return Top + Rest + Laps; }
};
GuessScore ScoreGuess(const GuessIds& result, const GuessIds& guess);

// The extra fields of the window's first requests, until a reply brings the results.
inline constexpr std::string_view FirstGuessExtra = "&driver_list=1&results=1&get_guess=1";

// The requests' own parts.
std::string GuessListPagePart(int page);
std::string MakeGuessPart(bool havePlayers);
std::string GuessHistoryPart(std::string_view player);
std::string SaveGuessPart(const GuessIds& ids);
// The refusal of a guess before it is sent (same driver twice in positions 1 to 8); empty
// when it may go.
std::string GuessSaveProblem(const GuessIds& ids);

// One race of the results section, or one guess item.
struct GuessRace {
    int Number = 0; // results only
    std::string Key, Name;
    GuessIds Ids{};
};
struct GuessPlayers {
    int PageCount = 1, Page = 0;
    std::vector<std::string> Lines; // "rank. name  (points)"
};
// The reply's sections, each present only when the reply carried it.
struct GuessReply {
    std::vector<std::string> Status; // in the order they came
    std::optional<std::array<std::string, 5>> ActiveGP;
    std::optional<std::vector<std::pair<int, std::string>>> Drivers;
    std::optional<std::vector<GuessRace>> Results; // at most 30
    bool ResultsHadErrors = false;
    std::optional<GuessPlayers> Players;
    std::optional<std::string> GuessUser;
    std::optional<std::vector<GuessRace>> Guesses;
    std::optional<std::string> MyGuessText;
    std::optional<GuessRace> MyGuess;
    bool HasMyGuess = false;
    std::optional<std::vector<std::string>> UserMessages;
};
GuessReply ParseGuessReply(std::string_view payload);

// The service side: the same sections written.
std::string FormatGuessRace(const GuessRace& race, bool withNumber);

} // namespace qor::online
