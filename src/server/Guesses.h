#pragma once
// The guess game of the service: the Grand Prix open for guessing, saving guesses, the race
// results with every player's guesses, and the ranking.

#include "Accounts.h"
#include "Store.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qor::online {
class FormFields;
}

namespace qor::server {

// Answers the "guess" requests with the sections the program's guess game window reads, in
// their fixed order. Anyone may look; saving a guess needs a log-in.
class Guesses {
  public:
    Guesses(Store& store, Accounts& accounts);

    std::string Answer(const online::FormFields& fields, const std::string& address);

    // A reply that only tells why nothing more came.
    static std::string StatusOnly(std::string_view status);

  private:
    std::string Save(const online::FormFields& fields, const std::string& key, bool loggedIn,
                     const std::string& refusal);

    Store& store_;
    Accounts& accounts_;
};

// Races in the results section at most, players on one page, drivers offered at most (so
// that the reply always has room for races).
inline constexpr std::size_t GuessRacesMax = 30, PlayersPerPage = 20, GuessDriversMax = 60;
// Longest name of a driver or a Grand Prix.
inline constexpr std::size_t GuessNameMax = 30;

// Why a driver or Grand Prix name cannot be used (it would break the reply's fields); empty
// when it can.
std::string GuessNameProblem(std::string_view name);
// Enters the result of a Grand Prix and scores every guess of it; false on a storage error.
bool EnterGuessResult(Store& store, const GuessGP& gp, const online::GuessIds& result);
// "YYYY-MM-DD" of a YYYYMMDD date number.
std::string GuessDateText(int date);

} // namespace qor::server
