#pragma once
// Fixed-size records of the results database, laid out byte for byte as in the data file.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

static_assert(std::endian::native == std::endian::little,
              "records are stored as little-endian images of memory");

namespace qor {

// Length-prefixed single-byte string of capacity N (N+1 bytes whatever the length).
template <std::size_t N> struct ShortString {
    std::uint8_t len = 0;
    char chars[N] = {};

    static constexpr std::size_t capacity = N;

    std::string str() const { return std::string(chars, std::min<std::size_t>(len, N)); }
    std::string_view view() const { return std::string_view(chars, std::min<std::size_t>(len, N)); }
    // Longer input is cut; the bytes behind the text are left as they were (they are stored).
    void set(std::string_view s) {
        const std::size_t n = std::min(s.size(), N);
        std::memcpy(chars, s.data(), n);
        len = static_cast<std::uint8_t>(n);
    }
    // Sets the text and clears the bytes behind it (for rows the program creates).
    void assign_clean(std::string_view s) {
        std::memset(chars, 0, N);
        set(s);
    }
};

#pragma pack(push, 1)

// One driver's entry in one Grand Prix.
struct TResultRec {
    std::uint16_t Driver = 0;
    std::uint8_t Pos = 0;
    std::uint8_t Team = 0;
    std::uint32_t Time = 0;
    std::uint16_t Reason = 0;
    std::uint16_t Grid = 0;
};

// One Grand Prix with its range of result rows.
struct TGPRow {
    std::uint8_t Track = 0;
    std::uint8_t GPName = 0;
    std::uint16_t Date = 0;
    std::uint16_t FirstResult = 0;
    std::uint16_t LastResult = 0;
    std::uint32_t FLTime = 0;
    std::uint16_t FLDriver = 0;
    std::uint16_t PoleDriver = 0;
    std::uint32_t PoleTime = 0;
    std::uint32_t Reserved = 0;
    std::uint8_t Laps = 0;
    std::uint8_t Remark = 0;
    std::uint16_t Reserved2 = 0;
};

// One season: its Grands Prix, champions and standings ranges.
struct TSeasonRow {
    std::uint16_t FirstGP = 0;
    std::uint16_t LastGP = 0;
    std::uint16_t ChampDriver = 0;
    std::uint8_t ChampDriverTeam = 0;
    std::uint8_t ChampDriverWins = 0;
    std::uint8_t ChampTeam = 0;
    std::uint8_t ChampTeamWins = 0;
    std::uint16_t FirstDriverStanding = 0;
    std::uint16_t LastDriverStanding = 0;
    std::uint16_t FirstTeamStanding = 0;
    std::uint16_t LastTeamStanding = 0;
};

// One row of a season's drivers' championship table.
struct TDriverStanding {
    std::uint16_t Driver = 0;
    std::uint8_t Team = 0;
    std::uint8_t Reserved = 0;
    float Points = 0.0f;
};

// One row of a season's constructors' championship table.
struct TTeamStanding {
    std::uint16_t Team = 0;
    ShortString<25> Name;
    float Points = 0.0f;
};

// A user note (a description beyond the standard reasons).
struct TNoteRec {
    ShortString<51> Text;
};

#pragma pack(pop)

static_assert(sizeof(ShortString<35>) == 36);
static_assert(sizeof(TResultRec) == 12);
static_assert(sizeof(TGPRow) == 28);
static_assert(sizeof(TSeasonRow) == 18);
static_assert(sizeof(TDriverStanding) == 8);
static_assert(sizeof(TTeamStanding) == 32);
static_assert(sizeof(TNoteRec) == 52);

// An alternative spelling of a driver's name.
struct TOtherName {
    std::uint16_t Driver = 0;
    std::string Name;
};

// Long name for a team abbreviation.
struct TTeamFullName {
    ShortString<40> FullName;
    ShortString<5> Abbreviation;
};

} // namespace qor
