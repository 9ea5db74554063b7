#pragma once
// The results database: every table of the championship history and the operations on it.

#include "database/Records.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// A short text formatted in place (dates, times, numbers), so that a table fill copies it
// into its cell without a string of its own.
struct ShortText {
    std::array<char, 32> chars{};
    std::size_t size = 0;

    std::string_view view() const { return std::string_view(chars.data(), size); }
    std::string str() const { return std::string(view()); }
    // Text beyond the capacity is cut (no caller formats anything that long).
    void add(std::string_view s) {
        const std::size_t n = std::min(s.size(), chars.size() - size);
        std::memcpy(chars.data() + size, s.data(), n);
        size += n;
    }
    void add(char c) {
        if (size < chars.size()) chars[size++] = c;
    }
    void addNumber(unsigned long v) {
        // Digits backwards into a scratch buffer, then forwards into place.
        char digits[20];
        int n = 0;
        do {
            digits[n++] = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (v != 0);
        while (n > 0 && size < chars.size())
            chars[size++] = digits[--n];
    }
    // At least two digits ("07", "12", "123").
    void addTwoDigits(unsigned v) {
        if (v < 10) add('0');
        addNumber(v);
    }
};

// Table capacities (maximum number of rows; row 0 is never used).
inline constexpr int MaxDrivers = 850;
inline constexpr int MaxTeams = 200;
inline constexpr int MaxGPNames = 50;
inline constexpr int MaxTracks = 100;
inline constexpr int MaxReasons = 1700;
inline constexpr int MaxNationalities = 50;
inline constexpr int MaxCountries = 30;
inline constexpr int MaxRemarks = 150;
inline constexpr int MaxNotes = 1000;
inline constexpr int MaxOtherNames = 100;
inline constexpr int MaxSeasons = 61;
inline constexpr int MaxGPs = 900;
inline constexpr int MaxResults = 20000;
inline constexpr int MaxDriverStandings = 1300;
inline constexpr int MaxTeamStandings = 600;
inline constexpr int FirstYear = 1950;
inline constexpr int LastPossibleYear = FirstYear + MaxSeasons - 1; // 2010
inline constexpr std::uint16_t NoteCodeBase = 20000;
inline constexpr std::uint16_t EmptyReasonCode = 15;

inline constexpr const char* ProgramVersion = "1.88";
inline constexpr const char* Unknown = "_____";

// The season rows, indexed by year (1950..2010) rather than from 1.
struct SeasonTable {
    std::array<TSeasonRow, MaxSeasons> rows{};

    TSeasonRow& operator[](int year) {
        assert(year >= FirstYear && year <= LastPossibleYear);
        return rows[static_cast<std::size_t>(year - FirstYear)];
    }
    const TSeasonRow& operator[](int year) const {
        assert(year >= FirstYear && year <= LastPossibleYear);
        return rows[static_cast<std::size_t>(year - FirstYear)];
    }
};

// What a driver's or team's lists and figures read, as chains through the tables in their
// (so date) order: each driver's and team's result rows with the GP of every row, and each
// driver's pole positions, fastest laps and drivers' standings rows. Derived from the tables,
// rebuilt on load and by every edit that moves or changes those rows.
struct ResultIndex {
    // First and last row of each driver's (team's) chain of results; 0 when there is none.
    std::array<std::uint16_t, MaxDrivers + 1> FirstOfDriver{};
    std::array<std::uint16_t, MaxDrivers + 1> LastOfDriver{};
    std::array<std::uint16_t, MaxTeams + 1> FirstOfTeam{};
    std::array<std::uint16_t, MaxTeams + 1> LastOfTeam{};
    // The next row of the same driver (team) after a row; 0 ends the chain.
    std::array<std::uint16_t, MaxResults + 1> NextOfDriver{};
    std::array<std::uint16_t, MaxResults + 1> NextOfTeam{};
    std::array<std::uint16_t, MaxResults + 1> GPOf{};
    // A driver's first GP with his pole (fastest lap), then the next one after each GP.
    std::array<std::uint16_t, MaxDrivers + 1> FirstPoleOfDriver{};
    std::array<std::uint16_t, MaxGPs + 1> NextPole{};
    std::array<std::uint16_t, MaxDrivers + 1> FirstFastestLapOfDriver{};
    std::array<std::uint16_t, MaxGPs + 1> NextFastestLap{};
    // A driver's first and last drivers' standings row, and the next after each row.
    std::array<std::uint16_t, MaxDrivers + 1> FirstStandingOfDriver{};
    std::array<std::uint16_t, MaxDrivers + 1> LastStandingOfDriver{};
    std::array<std::uint16_t, MaxDriverStandings + 1> NextStanding{};
};

// Every table, counter and view setting: the part of the database that a load replaces whole.
struct TheClassData {
    std::array<ShortString<35>, MaxDrivers + 1> DriverNames{};
    std::array<std::uint8_t, MaxDrivers + 1> DriverNat{};
    std::uint16_t DriverCount = 0;

    std::array<ShortString<25>, MaxTeams + 1> TeamNames{};
    std::array<std::uint8_t, MaxTeams + 1> TeamCountry{};
    std::uint16_t TeamCount = 0;

    std::array<ShortString<20>, MaxGPNames + 1> GPNames{};
    std::uint16_t GPNameCount = 0;

    std::array<ShortString<20>, MaxTracks + 1> TrackNames{};
    std::uint16_t TrackCount = 0;

    std::array<ShortString<45>, MaxReasons + 1> Reasons{};
    std::uint16_t ReasonCount = 0;

    std::array<ShortString<15>, MaxNationalities + 1> Nationalities{};
    std::uint16_t NationalityCount = 0;

    std::array<ShortString<15>, MaxCountries + 1> Countries{};
    std::uint16_t CountryCount = 0;

    std::array<ShortString<35>, MaxRemarks + 1> GPRemarksEn{};
    std::array<ShortString<35>, MaxRemarks + 1> GPRemarksTr{};
    std::uint16_t RemarkCount = 0;

    // Element 0 is unused; the vector holds NoteCount + 1 elements.
    std::vector<TNoteRec> Notes = std::vector<TNoteRec>(1);
    std::uint16_t NoteCount = 0;
    // The notes file's header record (its first word is rewritten with NoteCount on save).
    TNoteRec NotesHeader{};

    std::vector<TOtherName> OtherNames;
    std::int32_t OtherNameCount = 0;

    std::array<TTeamFullName, 12> TeamFullNames{};
    std::int32_t TeamFullNameCount = 0;

    SeasonTable Seasons{};
    std::uint16_t SeasonCount = 0;
    int LastYear = FirstYear - 1;

    std::array<TGPRow, MaxGPs + 1> GPs{};
    std::uint16_t GPCount = 0;

    std::array<TResultRec, MaxResults + 1> Results{};
    std::uint16_t ResultCount = 0;

    std::array<TDriverStanding, MaxDriverStandings + 1> DriverStandings{};
    std::uint16_t DriverStandingCount = 0;

    std::array<TTeamStanding, MaxTeamStandings + 1> TeamStandings{};
    std::uint16_t TeamStandingCount = 0;

    std::array<std::uint8_t, 224> Header{};

    ResultIndex Index{};

    // View settings kept in the data file header.
    std::uint8_t LanguageMode = 1;
    std::uint8_t ColorTheme = 0;
    std::uint8_t GridLineStyle = 0;
    std::uint8_t OddEvenRows = 0;
    std::uint8_t SpareOption = 0;
    std::uint8_t CompareView = 0;
    std::uint8_t StatsWindowSize = 25;
    std::uint8_t DarkLevel = 0;
    std::uint8_t FontSizeMode = 0;
    std::uint8_t OnlineOption = 0;
};

// Fills `ix` from the results and GP ranges of `d` (safe on any table contents).
void BuildResultIndex(const TheClassData& d, ResultIndex& ix);

// The one database object of the program: tables, loading and saving, lookups, formats, edits.
class The_Class : public TheClassData {
  public:
    The_Class();

    // Folder of the data files, ending in '/' (or empty for the current folder).
    std::string DataPath;
    std::string DataFileName;
    std::string NotesFileName;
    std::string LastError;
    // When set, every lookup or edit failure adds "Debug:" + the message.
    std::vector<std::string>* DebugLines = nullptr;

    // ---- Loading and saving -------------------------------------------------------------
    // 0 on success, 1 on failure (LastError holds the message or is empty for a damaged file).
    // A failed load leaves the tables exactly as they were.
    int LoadDatabase(const std::string& dataName, const std::string& notesName, int strictVersion);
    // The same checks and result on file images in memory (no other_names.txt).
    int LoadDatabaseImage(const std::vector<std::uint8_t>& data,
                          const std::vector<std::uint8_t>* notes, int strictVersion);
    // 1 on success, 0 when a file could not be written; old files stay intact on failure.
    int SaveDatabase();
    // Rewrites header bytes 12..20 of the data file; true when written.
    bool SaveViewSettings();
    // The full name of a team abbreviation, or the text itself.
    std::string TeamFullName(std::string_view abbreviation) const;
    // The data file image SaveDatabase writes (header and blocks).
    std::vector<std::uint8_t> BuildDataImage() const;
    // The notes file image (header record and notes).
    std::vector<std::uint8_t> BuildNotesImage() const;
    // Loads other_names.txt from a path; missing file leaves the list as it is.
    void LoadOtherNames(const std::string& path);

    // ---- Lookups by text (index or 0 with a debug line) -----------------------------------
    std::uint16_t FindGP(std::string_view text) const;
    std::uint16_t FindTrack(std::string_view text) const;
    std::uint16_t FindDriver(std::string_view text) const;
    std::uint16_t FindDriverCI(std::string_view text) const;
    std::uint16_t FindTeam(std::string_view text) const;
    std::uint16_t FindReason(std::string_view text) const;
    std::uint16_t FindDriverNat(std::string_view text) const;
    std::uint16_t FindGPByDate(std::string_view dateText) const;
    std::uint16_t GPOfResult(int result) const;

    // ---- Accessors from index to text ("_____" beyond the table) -----------------------------
    std::string DriverName(int driver) const;
    std::string TeamName(int team) const;
    std::string GPNameOf(int gpName) const;
    std::string TrackNameOf(int track) const;
    std::string ResultDriverName(int result) const;
    std::string ResultTeamName(int result) const;
    std::string DriverNatName(int driver) const;
    std::string TeamCountryName(int team) const;
    std::string RemarkText(int remark) const;
    std::string ReasonText(int code) const;
    static std::string NumText(std::uint8_t value);
    // The same texts without a copy, for the table fills (valid while the database is).
    std::string_view DriverNameView(int driver) const;
    std::string_view TeamNameView(int team) const;
    std::string_view TrackNameView(int track) const;
    std::string_view ResultDriverNameView(int result) const;
    std::string_view ResultTeamNameView(int result) const;
    std::string_view DriverNatNameView(int driver) const;
    std::string_view ReasonTextView(int code) const;
    static int YearOfDate(std::uint16_t date) { return (date >> 9) + FirstYear; }
    void FillYears(std::vector<std::string>& list) const;
    void FillTeamYears(std::vector<std::string>& list) const;

    // ---- Dates and times -----------------------------------------------------------------
    std::string FormatDate(std::uint16_t date) const;
    std::string FormatDateAlt(std::uint16_t date) const;
    std::uint16_t ParseDate(std::string_view text) const;
    static std::uint32_t ParseTime(std::string_view text);
    static std::string FormatTime(std::uint32_t code);
    // The same texts formatted in place, for the table fills.
    ShortText FormatDateText(std::uint16_t date) const;
    ShortText FormatDateAltText(std::uint16_t date) const;
    static ShortText FormatTimeText(std::uint32_t code);
    static ShortText NumberText(unsigned long value) {
        ShortText t;
        t.addNumber(value);
        return t;
    }

    // Number of seasons' GPs or results in a range (0 for an empty range).
    static int RangeCount(int first, int last) { return last >= first ? last - first + 1 : 0; }
    bool IsYearLoaded(int year) const { return year >= FirstYear && year <= LastYear; }

    void Debug(std::string_view message) const;

    // ---- Result index (ResultIndex.cpp) ---------------------------------------------------
    // Rebuilds the index from the results and GP ranges (safe on any table contents).
    void RebuildResultIndex();
    // Add the last result row (which belongs to the last GP) or the last drivers' standings
    // row to the index, for tables filled row by row at their end.
    void IndexLastResult();
    void IndexLastDriverStanding();
    // Calls visit(row) for each result row of a driver (team), in table order.
    template <typename Visit> void ForEachResultOfDriver(int driver, Visit visit) const {
        if (driver < 0 || driver > MaxDrivers) return;
        for (int r = Index.FirstOfDriver[static_cast<std::size_t>(driver)]; r;
             r = Index.NextOfDriver[static_cast<std::size_t>(r)])
            visit(r);
    }
    // The same for a driver's pole positions and fastest laps (GP rows) and his drivers'
    // standings rows.
    template <typename Visit> void ForEachPoleOfDriver(int driver, Visit visit) const {
        if (driver < 0 || driver > MaxDrivers) return;
        for (int g = Index.FirstPoleOfDriver[static_cast<std::size_t>(driver)]; g;
             g = Index.NextPole[static_cast<std::size_t>(g)])
            visit(g);
    }
    template <typename Visit> void ForEachFastestLapOfDriver(int driver, Visit visit) const {
        if (driver < 0 || driver > MaxDrivers) return;
        for (int g = Index.FirstFastestLapOfDriver[static_cast<std::size_t>(driver)]; g;
             g = Index.NextFastestLap[static_cast<std::size_t>(g)])
            visit(g);
    }
    template <typename Visit> void ForEachStandingOfDriver(int driver, Visit visit) const {
        if (driver < 0 || driver > MaxDrivers) return;
        for (int i = Index.FirstStandingOfDriver[static_cast<std::size_t>(driver)]; i;
             i = Index.NextStanding[static_cast<std::size_t>(i)])
            visit(i);
    }
    template <typename Visit> void ForEachResultOfTeam(int team, Visit visit) const {
        if (team < 0 || team > MaxTeams) return;
        for (int r = Index.FirstOfTeam[static_cast<std::size_t>(team)]; r;
             r = Index.NextOfTeam[static_cast<std::size_t>(r)])
            visit(r);
    }

    // ---- Editing (Editing.cpp, Standings.cpp) ------------------------------------------------
    // Every operation keeps the tables ordered and every range field consistent. A failure
    // returns 0 (procedures: only the debug line) and leaves every table exactly as it was.
    // A GP is named by its date text; its year comes from the GP found, not from the text.
    std::uint16_t AddGP(const TGPRow& row);
    void UpdateGP(const TGPRow& row);
    std::uint16_t DeleteGP(std::string_view dateText);
    std::uint16_t AddResult(const TResultRec& rec, std::string_view dateText);
    void SetResult(const TResultRec& rec, int result);
    // `row` counts from 1 within the GP.
    std::uint16_t DeleteResult(std::string_view dateText, int row);
    std::uint16_t AddDriver(std::string_view name, std::string_view nationality);
    std::uint8_t AddDriverNat(std::string_view text);
    // A standard description (toReasons) or a note (code above 20000); an existing
    // description of the same text is reused.
    std::uint16_t AddReason(std::string_view text, bool toReasons);
    // The reason code a result should get when its description text is edited.
    std::uint16_t SetResultReason(int result, std::string_view text);
    // Recomputes a season's championship tables from its results (seasons from 2005 only).
    void RecalcStandings(int year);
    std::uint16_t AddDriverStanding(int year, std::uint16_t driver, float points,
                                    std::uint8_t team);
    std::uint16_t AddTeamStanding(int year, std::string_view name, float points, std::uint8_t team);
    // First result of a driver (team) in GP order, on one track unless the track is empty
    // or unknown; 0 when there is none.
    std::uint16_t FirstDriverResult(std::string_view driver, std::string_view track) const;
    std::uint16_t FirstTeamResult(std::string_view team, std::string_view track) const;

  private:
    friend class DatabaseLoader;
};

} // namespace qor
