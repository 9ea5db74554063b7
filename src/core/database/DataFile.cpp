// Loading and saving the data file (f1data5.dat), the notes file and other_names.txt.

#include "database/AtomicFile.h"
#include "database/Invariants.h"
#include "database/STheClass.h"
#include "settings/DataFolder.h"
#include "text/Encoding.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>

namespace qor {
namespace {

constexpr std::size_t kHeaderSize = 224;
constexpr std::size_t kDirectoryOffset = 32;
constexpr int kBlockCount = 16;
constexpr int kWriteOrder[kBlockCount] = {14, 9, 10, 1, 2, 7, 8, 3, 4, 5, 6, 11, 12, 13, 15, 16};

// Record sizes of the old ("1.00") layout of blocks 11, 15 and 16.
constexpr std::size_t kOldSeasonSize = 10;
constexpr std::size_t kOldDriverStandingSize = 12;
constexpr std::size_t kOldTeamStandingSize = 36;

std::uint32_t ReadU32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
std::uint16_t ReadU16(const std::uint8_t* p) {
    std::uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}
void PutU32(std::vector<std::uint8_t>& buf, std::size_t at, std::uint32_t v) {
    std::memcpy(buf.data() + at, &v, 4);
}

// "1.03" -> {1, 3}; a part that is not a number is -1.
struct Version {
    long major = -1;
    long minor = -1;
};

Version SplitVersion(const std::uint8_t* shortString) {
    const std::size_t len = std::min<std::size_t>(shortString[0], 5);
    const std::string_view text(reinterpret_cast<const char*>(shortString + 1), len);
    const auto dot = text.find('.');
    Version v;
    if (dot == std::string_view::npos) {
        v.major = ParseDecimal(text, -1);
    } else {
        v.major = ParseDecimal(text.substr(0, dot), -1);
        v.minor = ParseDecimal(text.substr(dot + 1), -1);
    }
    return v;
}

void PutShortString(std::vector<std::uint8_t>& buf, std::size_t at, std::string_view s) {
    buf[at] = static_cast<std::uint8_t>(s.size());
    std::memcpy(buf.data() + at + 1, s.data(), s.size());
}

struct DirEntry {
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
    std::uint16_t count = 0;
};

template <typename T, std::size_t N>
bool ReadFixedBlock(const std::vector<std::uint8_t>& file, const DirEntry& e,
                    std::array<T, N>& table) {
    if (e.count > N - 1) return false;
    if (e.size != static_cast<std::uint64_t>(e.count) * sizeof(T)) return false;
    if (e.size)
        std::memcpy(reinterpret_cast<std::uint8_t*>(&table[1]), file.data() + e.offset, e.size);
    return true;
}

template <std::size_t Cap, std::size_t N>
bool ReadPackedBlock(const std::vector<std::uint8_t>& file, const DirEntry& e,
                     std::array<ShortString<Cap>, N>& table) {
    if (e.count > N - 1) return false;
    const std::uint8_t* p = file.data() + e.offset;
    std::size_t pos = 0;
    for (std::size_t i = 1; i <= e.count; ++i) {
        if (pos >= e.size) return false;
        const std::size_t len = p[pos];
        if (len > Cap || pos + 1 + len > e.size) return false;
        table[i].len = static_cast<std::uint8_t>(len);
        std::memcpy(table[i].chars, p + pos + 1, len);
        pos += 1 + len;
    }
    return pos == e.size;
}

template <std::size_t Cap, std::size_t N>
void WritePackedBlock(std::vector<std::uint8_t>& out, const std::array<ShortString<Cap>, N>& table,
                      int count) {
    for (int i = 1; i <= count; ++i) {
        const auto& s = table[static_cast<std::size_t>(i)];
        const std::size_t len = std::min<std::size_t>(s.len, Cap);
        out.push_back(static_cast<std::uint8_t>(len));
        out.insert(out.end(), s.chars, s.chars + len);
    }
}

template <typename T, std::size_t N>
void WriteFixedBlock(std::vector<std::uint8_t>& out, const std::array<T, N>& table, int count) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&table[1]);
    out.insert(out.end(), p, p + static_cast<std::size_t>(count) * sizeof(T));
}

constexpr std::array<std::pair<const char*, const char*>, 12> kTeamFullNames = {{
    {"AGS", "Automobiles Gonfaronaise Sportive"},
    {"ATS", "Automobili Turismo e Sport"},
    {"BMW", "Bayerische Motoren Werke"},
    {"BAR", "British American Racing"},
    {"BRM", "British Racing Motors"},
    {"BRP", "British Racing Partnership"},
    {"ERA", "English Racing Automobiles"},
    {"HWM", "Hersham and Walton Motors"},
    {"Matra", "Mecanique-Aviation-Traction"},
    {"OSCA", "Officine Specializate Costruzione Auto"},
    {"RAM", "Ralph and Macdonald"},
    {"MF1", "Midland F1"},
}};

void FillTeamFullNames(TheClassData& d) {
    for (std::size_t i = 0; i < kTeamFullNames.size(); ++i) {
        d.TeamFullNames[i].Abbreviation.assign_clean(kTeamFullNames[i].first);
        d.TeamFullNames[i].FullName.assign_clean(kTeamFullNames[i].second);
    }
    d.TeamFullNameCount = static_cast<std::int32_t>(kTeamFullNames.size());
}

// Gives every season without standings rows an empty range at its place in the tiling.
void TileEmptyStandingRanges(TheClassData& d, const std::vector<bool>& hasDriverRows,
                             const std::vector<bool>& hasTeamRows) {
    int nextDriver = 1;
    int nextTeam = 1;
    for (int y = FirstYear; y <= d.LastYear; ++y) {
        TSeasonRow& s = d.Seasons[y];
        const auto idx = static_cast<std::size_t>(y - FirstYear);
        if (!hasDriverRows[idx]) {
            s.FirstDriverStanding = static_cast<std::uint16_t>(nextDriver);
            s.LastDriverStanding = static_cast<std::uint16_t>(nextDriver - 1);
        }
        nextDriver = s.LastDriverStanding + 1;
        if (!hasTeamRows[idx]) {
            s.FirstTeamStanding = static_cast<std::uint16_t>(nextTeam);
            s.LastTeamStanding = static_cast<std::uint16_t>(nextTeam - 1);
        }
        nextTeam = s.LastTeamStanding + 1;
    }
}

// Files converted from the old layout by earlier versions store a season without standings
// rows as 0..0; it becomes the empty range at its place in the tiling. Any other range is
// left for the invariant check to judge.
void NormaliseZeroStandingRanges(TheClassData& d) {
    int nextDriver = 1;
    int nextTeam = 1;
    for (int y = FirstYear; y <= d.LastYear; ++y) {
        TSeasonRow& s = d.Seasons[y];
        if (s.FirstDriverStanding == 0 && s.LastDriverStanding == 0) {
            s.FirstDriverStanding = static_cast<std::uint16_t>(nextDriver);
            s.LastDriverStanding = static_cast<std::uint16_t>(nextDriver - 1);
        }
        if (s.FirstTeamStanding == 0 && s.LastTeamStanding == 0) {
            s.FirstTeamStanding = static_cast<std::uint16_t>(nextTeam);
            s.LastTeamStanding = static_cast<std::uint16_t>(nextTeam - 1);
        }
        nextDriver = s.LastDriverStanding + 1;
        nextTeam = s.LastTeamStanding + 1;
    }
}

// Converts blocks 11, 15 and 16 of a "1.00" file; false when they do not fit.
bool ConvertOldLayout(const std::vector<std::uint8_t>& file, const DirEntry dir[kBlockCount + 1],
                      TheClassData& d) {
    const DirEntry& seasons = dir[11];
    if (seasons.count > MaxSeasons || seasons.size != seasons.count * kOldSeasonSize) return false;
    const DirEntry& ds = dir[15];
    if (ds.count > MaxDriverStandings || ds.size != ds.count * kOldDriverStandingSize) return false;
    const DirEntry& ts = dir[16];
    if (ts.count > MaxTeamStandings || ts.size != ts.count * kOldTeamStandingSize) return false;

    d.SeasonCount = seasons.count;
    d.LastYear = d.SeasonCount + FirstYear - 1;
    for (int y = FirstYear; y <= d.LastYear; ++y) {
        TSeasonRow row{};
        std::memcpy(reinterpret_cast<std::uint8_t*>(&row),
                    file.data() + seasons.offset +
                        static_cast<std::size_t>(y - FirstYear) * kOldSeasonSize,
                    kOldSeasonSize);
        d.Seasons[y] = row;
    }
    std::vector<bool> hasDriverRows(MaxSeasons, false), hasTeamRows(MaxSeasons, false);

    d.DriverStandingCount = ds.count;
    for (std::size_t i = 1; i <= ds.count; ++i) {
        const std::uint8_t* p = file.data() + ds.offset + (i - 1) * kOldDriverStandingSize;
        const int year = ReadU16(p);
        if (year < FirstYear || year > d.LastYear) return false;
        TDriverStanding row{};
        row.Driver = ReadU16(p + 2);
        row.Team = p[4];
        std::memcpy(&row.Points, p + 8, 4);
        d.DriverStandings[i] = row;
        TSeasonRow& s = d.Seasons[year];
        const auto idx = static_cast<std::size_t>(year - FirstYear);
        if (!hasDriverRows[idx]) s.FirstDriverStanding = static_cast<std::uint16_t>(i);
        s.LastDriverStanding = static_cast<std::uint16_t>(i);
        hasDriverRows[idx] = true;
    }

    d.TeamStandingCount = ts.count;
    for (std::size_t i = 1; i <= ts.count; ++i) {
        const std::uint8_t* p = file.data() + ts.offset + (i - 1) * kOldTeamStandingSize;
        const int year = ReadU16(p);
        if (year < FirstYear || year > d.LastYear) return false;
        TTeamStanding row{};
        row.Team = ReadU16(p + 2);
        std::memcpy(&row.Name, p + 4, sizeof row.Name);
        std::memcpy(&row.Points, p + 32, 4);
        d.TeamStandings[i] = row;
        TSeasonRow& s = d.Seasons[year];
        const auto idx = static_cast<std::size_t>(year - FirstYear);
        if (!hasTeamRows[idx]) s.FirstTeamStanding = static_cast<std::uint16_t>(i);
        s.LastTeamStanding = static_cast<std::uint16_t>(i);
        hasTeamRows[idx] = true;
    }
    TileEmptyStandingRanges(d, hasDriverRows, hasTeamRows);
    return true;
}

} // namespace

// Reads the files into a fresh object so that a refused load never leaves half-filled tables.
class DatabaseLoader {
  public:
    static int Load(The_Class& db, const std::string& dataName, const std::string& notesName,
                    int strictVersion);
    static int LoadImage(The_Class& db, const std::vector<std::uint8_t>& file,
                         const std::vector<std::uint8_t>* notes, int strictVersion,
                         const std::string& otherNamesPath);
};

int DatabaseLoader::Load(The_Class& db, const std::string& dataName, const std::string& notesName,
                         int strictVersion) {
    db.LastError.clear();
    const std::string dataPath = db.DataPath + dataName;
    if (!FileExists(dataPath)) {
        db.LastError = "Data file not found";
        return 1;
    }
    db.DataFileName = dataPath;
    db.NotesFileName = db.DataPath + notesName;

    std::vector<std::uint8_t> file;
    if (!ReadWholeFile(dataPath, file)) return 1;
    std::vector<std::uint8_t> notes;
    const bool haveNotes = FileExists(db.NotesFileName);
    if (haveNotes && !ReadWholeFile(db.NotesFileName, notes)) return 1;
    return LoadImage(db, file, haveNotes ? &notes : nullptr, strictVersion,
                     DataFilePath(db.DataPath, "other_names.txt"));
}

int DatabaseLoader::LoadImage(The_Class& db, const std::vector<std::uint8_t>& file,
                              const std::vector<std::uint8_t>* notes, int strictVersion,
                              const std::string& otherNamesPath) {
    db.LastError.clear();
    if (file.size() < kHeaderSize) return 1;

    auto fresh = std::make_unique<The_Class>();
    fresh->DataPath = db.DataPath;
    fresh->DebugLines = db.DebugLines;
    TheClassData& d = *fresh;
    FillTeamFullNames(d);

    std::memcpy(d.Header.data(), file.data(), kHeaderSize);
    d.LanguageMode = file[12];
    d.ColorTheme = file[13];
    d.GridLineStyle = file[14] & 0x0F;
    d.OddEvenRows = static_cast<std::uint8_t>(file[14] >> 4);
    d.SpareOption = file[15];
    d.CompareView = file[16];
    d.StatsWindowSize = file[17] < 10 ? 25 : file[17];
    d.DarkLevel = file[18];
    d.FontSizeMode = file[19];
    d.OnlineOption = file[20];

    const Version format = SplitVersion(file.data());
    const Version reference = strictVersion ? Version{1, 2} : Version{1, 0};
    if (format.major < reference.major ||
        (format.major == reference.major && format.minor < reference.minor)) {
        db.LastError = "Data file is too old for this program.";
        return 1;
    }
    const Version required = SplitVersion(file.data() + 6);
    if (required.major > 1 || (required.major == 1 && required.minor > 88)) {
        db.LastError = "This program is too old for this data file.";
        return 1;
    }
    const bool oldLayout = file[0] == 4 && std::memcmp(file.data() + 1, "1.00", 4) == 0;

    DirEntry dir[kBlockCount + 1];
    for (int k = 1; k <= kBlockCount; ++k) {
        const std::uint8_t* p =
            file.data() + kDirectoryOffset + static_cast<std::size_t>(k - 1) * 12;
        DirEntry e{ReadU32(p), ReadU32(p + 4), static_cast<std::uint16_t>(ReadU32(p + 8) & 0xFFFF)};
        const std::uint64_t begin = e.offset;
        const std::uint64_t end = begin + e.size;
        if (end > file.size()) return 1;
        for (int j = 1; j < k; ++j) {
            const std::uint64_t bj = dir[j].offset;
            const std::uint64_t ej = bj + dir[j].size;
            if ((begin > bj && begin < ej) || (end > bj && end < ej)) return 1;
        }
        dir[k] = e;
    }

    bool ok =
        ReadPackedBlock(file, dir[1], d.DriverNames) && ReadFixedBlock(file, dir[2], d.TeamNames) &&
        ReadFixedBlock(file, dir[3], d.Nationalities) &&
        ReadFixedBlock(file, dir[4], d.Countries) && ReadFixedBlock(file, dir[5], d.DriverNat) &&
        ReadFixedBlock(file, dir[6], d.TeamCountry) && ReadFixedBlock(file, dir[7], d.GPNames) &&
        ReadFixedBlock(file, dir[8], d.TrackNames) && ReadFixedBlock(file, dir[9], d.GPRemarksEn) &&
        ReadPackedBlock(file, dir[10], d.Reasons) && ReadFixedBlock(file, dir[12], d.GPs) &&
        ReadFixedBlock(file, dir[13], d.Results) && ReadFixedBlock(file, dir[14], d.GPRemarksTr);
    // Parallel tables share one counter: their blocks must agree on it.
    ok = ok && dir[1].count == dir[5].count && dir[2].count == dir[6].count &&
         dir[9].count == dir[14].count;
    if (!ok) return 1;
    d.DriverCount = dir[5].count;
    d.TeamCount = dir[6].count;
    d.NationalityCount = dir[3].count;
    d.CountryCount = dir[4].count;
    d.GPNameCount = dir[7].count;
    d.TrackCount = dir[8].count;
    d.RemarkCount = dir[14].count;
    d.ReasonCount = dir[10].count;
    d.GPCount = dir[12].count;
    d.ResultCount = dir[13].count;

    if (oldLayout) {
        if (!ConvertOldLayout(file, dir, d)) return 1;
    } else {
        const DirEntry& s = dir[11];
        if (s.count > MaxSeasons || s.size != s.count * sizeof(TSeasonRow)) return 1;
        if (s.size) std::memcpy(d.Seasons.rows.data(), file.data() + s.offset, s.size);
        d.SeasonCount = s.count;
        d.LastYear = d.SeasonCount + FirstYear - 1;
        if (!ReadFixedBlock(file, dir[15], d.DriverStandings) ||
            !ReadFixedBlock(file, dir[16], d.TeamStandings))
            return 1;
        d.DriverStandingCount = dir[15].count;
        d.TeamStandingCount = dir[16].count;
        NormaliseZeroStandingRanges(d);
    }

    // Notes: a header record whose first word is the count, then the notes.
    if (notes) {
        if (notes->size() < sizeof(TNoteRec)) return 1;
        const std::uint16_t count = ReadU16(notes->data());
        if (count > MaxNotes || notes->size() < (count + 1u) * sizeof(TNoteRec)) return 1;
        std::memcpy(reinterpret_cast<std::uint8_t*>(&d.NotesHeader), notes->data(),
                    sizeof(TNoteRec));
        d.Notes.assign(count + 1u, TNoteRec{});
        if (count)
            std::memcpy(reinterpret_cast<std::uint8_t*>(&d.Notes[1]),
                        notes->data() + sizeof(TNoteRec), count * sizeof(TNoteRec));
        d.NoteCount = count;
    }

    fresh->RebuildResultIndex();
    if (!FirstViolation(*fresh).empty()) return 1;

    if (!otherNamesPath.empty()) fresh->LoadOtherNames(otherNamesPath);

    static_cast<TheClassData&>(db) = std::move(static_cast<TheClassData&>(*fresh));
    return 0;
}

The_Class::The_Class() {
    FillTeamFullNames(*this);
}

int The_Class::LoadDatabase(const std::string& dataName, const std::string& notesName,
                            int strictVersion) {
    return DatabaseLoader::Load(*this, dataName, notesName, strictVersion);
}

int The_Class::LoadDatabaseImage(const std::vector<std::uint8_t>& data,
                                 const std::vector<std::uint8_t>* notes, int strictVersion) {
    return DatabaseLoader::LoadImage(*this, data, notes, strictVersion, std::string());
}

void The_Class::LoadOtherNames(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    OtherNames.clear();
    OtherNameCount = 0;
    std::string line;
    while (OtherNameCount < MaxOtherNames && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto p = line.find("***");
        if (p == std::string::npos) continue;
        TOtherName row;
        row.Name = line.substr(p + 3, 100);
        // A blank driver name cannot match anything; it still takes its row, as a miss does.
        row.Driver = FindDriver(line.substr(0, p));
        OtherNames.push_back(std::move(row));
        ++OtherNameCount;
    }
}

std::vector<std::uint8_t> The_Class::BuildDataImage() const {
    std::vector<std::uint8_t> out(kHeaderSize, 0);
    PutShortString(out, 0, "1.03");
    PutShortString(out, 6, "1.80");
    out[12] = LanguageMode;
    out[13] = ColorTheme;
    out[14] = static_cast<std::uint8_t>((OddEvenRows << 4) | (GridLineStyle & 0x0F));
    out[15] = SpareOption;
    out[16] = CompareView;
    out[17] = StatsWindowSize;
    out[18] = DarkLevel;
    out[19] = FontSizeMode;
    out[20] = OnlineOption;
    out.reserve(kHeaderSize + 512 * 1024);

    for (int k : kWriteOrder) {
        const std::size_t start = out.size();
        std::uint32_t count = 0;
        switch (k) {
        case 1:
            WritePackedBlock(out, DriverNames, DriverCount);
            count = DriverCount;
            break;
        case 2:
            WriteFixedBlock(out, TeamNames, TeamCount);
            count = TeamCount;
            break;
        case 3:
            WriteFixedBlock(out, Nationalities, NationalityCount);
            count = NationalityCount;
            break;
        case 4:
            WriteFixedBlock(out, Countries, CountryCount);
            count = CountryCount;
            break;
        case 5:
            WriteFixedBlock(out, DriverNat, DriverCount);
            count = DriverCount;
            break;
        case 6:
            WriteFixedBlock(out, TeamCountry, TeamCount);
            count = TeamCount;
            break;
        case 7:
            WriteFixedBlock(out, GPNames, GPNameCount);
            count = GPNameCount;
            break;
        case 8:
            WriteFixedBlock(out, TrackNames, TrackCount);
            count = TrackCount;
            break;
        case 9:
            WriteFixedBlock(out, GPRemarksEn, RemarkCount);
            count = RemarkCount;
            break;
        case 10:
            WritePackedBlock(out, Reasons, ReasonCount);
            count = ReasonCount;
            break;
        case 11: {
            const auto* p = reinterpret_cast<const std::uint8_t*>(Seasons.rows.data());
            out.insert(out.end(), p, p + SeasonCount * sizeof(TSeasonRow));
            count = SeasonCount;
            break;
        }
        case 12:
            WriteFixedBlock(out, GPs, GPCount);
            count = GPCount;
            break;
        case 13:
            WriteFixedBlock(out, Results, ResultCount);
            count = ResultCount;
            break;
        case 14:
            WriteFixedBlock(out, GPRemarksTr, RemarkCount);
            count = RemarkCount;
            break;
        case 15:
            WriteFixedBlock(out, DriverStandings, DriverStandingCount);
            count = DriverStandingCount;
            break;
        case 16:
            WriteFixedBlock(out, TeamStandings, TeamStandingCount);
            count = TeamStandingCount;
            break;
        default:
            break;
        }
        const std::size_t entry = kDirectoryOffset + static_cast<std::size_t>(k - 1) * 12;
        PutU32(out, entry, static_cast<std::uint32_t>(start));
        PutU32(out, entry + 4, static_cast<std::uint32_t>(out.size() - start));
        PutU32(out, entry + 8, count);
    }
    return out;
}

std::vector<std::uint8_t> The_Class::BuildNotesImage() const {
    std::vector<std::uint8_t> out((NoteCount + 1u) * sizeof(TNoteRec));
    TNoteRec header = NotesHeader;
    std::memcpy(reinterpret_cast<std::uint8_t*>(&header), &NoteCount, 2);
    std::memcpy(out.data(), &header, sizeof header);
    if (NoteCount)
        std::memcpy(out.data() + sizeof(TNoteRec), &Notes[1], NoteCount * sizeof(TNoteRec));
    return out;
}

int The_Class::SaveDatabase() {
    if (DataFileName.empty()) return 0;
    const std::vector<std::uint8_t> data = BuildDataImage();
    std::vector<AtomicFile::Item> items{{DataFileName, &data}};
    std::vector<std::uint8_t> notes;
    if (!NotesFileName.empty() && (NoteCount > 0 || FileExists(NotesFileName))) {
        notes = BuildNotesImage();
        items.push_back({NotesFileName, &notes});
    }
    return AtomicFile::ReplaceAll(items) ? 1 : 0;
}

bool The_Class::SaveViewSettings() {
    if (DataFileName.empty()) return false;
    const std::uint8_t settings[] = {
        LanguageMode,
        ColorTheme,
        static_cast<std::uint8_t>((OddEvenRows << 4) | (GridLineStyle & 0x0F)),
        SpareOption,
        CompareView,
        StatsWindowSize,
        DarkLevel,
        FontSizeMode,
        OnlineOption};
    constexpr std::size_t at = 12;
    // Most runs end with the view as it started: the file's head says so, and the file is
    // then neither read whole nor rewritten and flushed on every exit.
    std::uint8_t head[at + sizeof settings] = {};
    if (std::FILE* f = std::fopen(DataFileName.c_str(), "rb")) {
        const std::size_t n = std::fread(head, 1, sizeof head, f);
        std::fclose(f);
        if (n == sizeof head && std::equal(std::begin(settings), std::end(settings), head + at))
            return true;
    }
    std::vector<std::uint8_t> file;
    if (!ReadWholeFile(DataFileName, file) || file.size() < 32) return false;
    std::copy(std::begin(settings), std::end(settings), file.begin() + at);
    return AtomicFile::Replace(DataFileName, file);
}

std::string The_Class::TeamFullName(std::string_view abbreviation) const {
    for (int i = 0; i < TeamFullNameCount; ++i) {
        const auto& row = TeamFullNames[static_cast<std::size_t>(i)];
        if (row.Abbreviation.view() == abbreviation) return row.FullName.str();
    }
    return std::string(abbreviation);
}

} // namespace qor
