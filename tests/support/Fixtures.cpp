#include "support/Fixtures.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace qor::testing {

std::uint16_t PackDate(int year, int month, int day) {
    return static_cast<std::uint16_t>(((year - FirstYear) << 9) | (month << 5) | day);
}

std::uint16_t DatabaseBuilder::Driver(const std::string& name, std::uint8_t nat) {
    db_.DriverNat[db_.DriverCount + 1u] = nat;
    return Add(db_.DriverNames, db_.DriverCount, name);
}

std::uint8_t DatabaseBuilder::Team(const std::string& name, std::uint8_t country) {
    db_.TeamCountry[db_.TeamCount + 1u] = country;
    return Add8(db_.TeamNames, db_.TeamCount, name);
}

std::uint8_t DatabaseBuilder::Remark(const std::string& en, const std::string& tr) {
    const auto i = ++db_.RemarkCount;
    db_.GPRemarksEn[i].assign_clean(en);
    db_.GPRemarksTr[i].assign_clean(tr);
    return static_cast<std::uint8_t>(i);
}

std::uint16_t DatabaseBuilder::Note(const std::string& text) {
    TNoteRec rec;
    rec.Text.assign_clean(text);
    db_.Notes.push_back(rec);
    ++db_.NoteCount;
    return static_cast<std::uint16_t>(NoteCodeBase + db_.NoteCount);
}

void DatabaseBuilder::SeasonsUpTo(int year) {
    while (db_.LastYear < year) {
        ++db_.SeasonCount;
        ++db_.LastYear;
        TSeasonRow& s = db_.Seasons[db_.LastYear];
        s = TSeasonRow{};
        s.FirstGP = static_cast<std::uint16_t>(db_.GPCount + 1);
        s.LastGP = db_.GPCount;
        s.FirstDriverStanding = static_cast<std::uint16_t>(db_.DriverStandingCount + 1);
        s.LastDriverStanding = db_.DriverStandingCount;
        s.FirstTeamStanding = static_cast<std::uint16_t>(db_.TeamStandingCount + 1);
        s.LastTeamStanding = db_.TeamStandingCount;
    }
}

std::uint16_t DatabaseBuilder::GP(int year, int month, int day, std::uint8_t track,
                                  std::uint8_t name, std::uint8_t laps) {
    SeasonsUpTo(year);
    if (year != db_.LastYear) throw std::logic_error("GPs must be added in date order");
    const auto g = ++db_.GPCount;
    TGPRow& row = db_.GPs[g];
    row = TGPRow{};
    row.Date = PackDate(year, month, day);
    row.Track = track;
    row.GPName = name;
    row.Laps = laps;
    row.FirstResult = static_cast<std::uint16_t>(db_.ResultCount + 1);
    row.LastResult = db_.ResultCount;
    db_.Seasons[year].LastGP = g;
    return g;
}

std::uint16_t DatabaseBuilder::Result(std::uint16_t driver, std::uint8_t pos, std::uint8_t team,
                                      std::uint32_t time, std::uint16_t reason,
                                      std::uint16_t grid) {
    const auto r = ++db_.ResultCount;
    db_.Results[r] = TResultRec{driver, pos, team, time, reason, grid};
    db_.GPs[db_.GPCount].LastResult = r;
    db_.IndexLastResult();
    return r;
}

std::uint16_t DatabaseBuilder::DriverStanding(int year, std::uint16_t driver, std::uint8_t team,
                                              float points) {
    if (year != db_.LastYear) throw std::logic_error("standings belong to the last season");
    const auto i = ++db_.DriverStandingCount;
    db_.DriverStandings[i] = TDriverStanding{driver, team, 0, points};
    db_.Seasons[year].LastDriverStanding = i;
    db_.IndexLastDriverStanding();
    return i;
}

std::uint16_t DatabaseBuilder::TeamStanding(int year, std::uint16_t team, const std::string& name,
                                            float points) {
    if (year != db_.LastYear) throw std::logic_error("standings belong to the last season");
    const auto i = ++db_.TeamStandingCount;
    TTeamStanding row{};
    row.Team = team;
    row.Name.assign_clean(name);
    row.Points = points;
    db_.TeamStandings[i] = row;
    db_.Seasons[year].LastTeamStanding = i;
    return i;
}

std::unique_ptr<The_Class> MakeSmallDatabase() {
    auto db = std::make_unique<The_Class>();
    DatabaseBuilder b(*db);
    const auto italian = b.Nationality("Italian"), argentine = b.Nationality("Argentine"),
               british = b.Nationality("British");
    const auto italy = b.Country("Italy"), uk = b.Country("UK");
    const auto farina = b.Driver("Nino Farina", italian);
    const auto fangio = b.Driver("Juan Manuel Fangio", argentine);
    const auto fagioli = b.Driver("Luigi Fagioli", italian);
    const auto parnell = b.Driver("Reg Parnell", british);
    b.Driver("Ayrton Senna", 0);
    const auto alfa = b.Team("Alfa Romeo", italy), ferrari = b.Team("Ferrari", italy),
               era = b.Team("ERA", uk);
    const auto silverstone = b.Track("Silverstone"), monaco = b.Track("Monte Carlo");
    const auto britain = b.GPName("Great Britain"), monacoName = b.GPName("Monaco");
    for (int i = 1; i <= 14; ++i)
        b.Reason("Reason " + std::to_string(i));
    const auto empty = b.Reason(""); // row 15: the empty description
    const auto engine = b.Reason("Engine"), dnq = b.Reason("DNQ");
    b.Remark("Sunny", "G\xFCne\xFEli");
    b.Remark("Rain", "Ya\xF0murlu");
    const auto note = b.Note("Pushed over the line");

    b.GP(1950, 5, 13, silverstone, britain, 70);
    b.Result(farina, 1, alfa, The_Class::ParseTime("2 hr 13:23.600"), empty, 1);
    b.Result(fagioli, 2, alfa, The_Class::ParseTime("+2.600"), empty, 2);
    b.Result(parnell, 3, era, The_Class::ParseTime("+52.000"), note, 4);
    b.Result(fangio, 0, alfa, The_Class::ParseTime("lap 62"), engine, 3);
    b.GP(1950, 5, 21, monaco, monacoName, 100);
    b.Result(fangio, 1, alfa, The_Class::ParseTime("3 hr 13:18.700"), empty, 1);
    b.Result(farina, 0, alfa, 0, engine, 2);
    db->GPs[b.GP(1950, 5, 21 + 1, monaco, monacoName, 0)].Remark = 1; // an empty GP
    b.DriverStanding(1950, farina, alfa, 30.0f);
    b.DriverStanding(1950, fangio, alfa, 27.0f);
    b.DriverStanding(1950, fagioli, alfa, 24.5f);
    b.SeasonsUpTo(1951); // a season without any GP
    b.GP(1952, 7, 19, silverstone, britain, 85);
    b.Result(parnell, 1, ferrari, The_Class::ParseTime("2 hr 44:11.000"), empty, 1);
    b.Result(farina, 2, ferrari, The_Class::ParseTime("+1 lap"), empty, 2);
    b.Result(fangio, 0, era, 0, dnq, 0);
    b.DriverStanding(1952, parnell, ferrari, 8.0f);
    b.DriverStanding(1952, farina, ferrari, 6.0f);
    TSeasonRow& s = db->Seasons[1950];
    s.ChampDriver = farina, s.ChampDriverTeam = alfa, s.ChampDriverWins = 1;
    TGPRow& g = db->GPs[1];
    g.FLDriver = g.PoleDriver = farina, g.Remark = 1;
    g.FLTime = The_Class::ParseTime("1:50.600"), g.PoleTime = The_Class::ParseTime("1:50.800");
    db->RebuildResultIndex(); // poles and fastest laps were set in the rows
    return db;
}

std::unique_ptr<The_Class> MakeFullSizeDatabase() {
    auto db = std::make_unique<The_Class>();
    DatabaseBuilder b(*db);
    // Every name table filled to its capacity (descriptions have the most rows).
    for (int i = 1; i <= MaxReasons; ++i) {
        const std::string n = std::to_string(i);
        if (i <= MaxNationalities) b.Nationality("Nationality " + n);
        if (i <= MaxCountries) b.Country("Country " + n);
        if (i <= MaxDrivers)
            b.Driver("Driver number " + n + " with a long name",
                     static_cast<std::uint8_t>(1 + i % MaxNationalities));
        if (i <= MaxTeams) b.Team("Team " + n, static_cast<std::uint8_t>(1 + i % MaxCountries));
        if (i <= MaxTracks) b.Track("Track " + n);
        if (i <= MaxGPNames) b.GPName("Grand Prix " + n);
        b.Reason("Description " + n + " of a result row");
        if (i <= MaxRemarks) b.Remark("Weather " + n, "Hava " + n);
        if (i <= MaxNotes) b.Note("Note " + n);
    }
    // 61 seasons with 14 GPs of 22 results: 854 GPs, 18,788 results.
    int driver = 0;
    for (int year = FirstYear; year <= LastPossibleYear; ++year) {
        for (int k = 0; k < 14; ++k) {
            b.GP(year, 1 + k / 2, 1 + k, static_cast<std::uint8_t>(1 + k),
                 static_cast<std::uint8_t>(1 + k), 60);
            for (int p = 1; p <= 22; ++p) {
                driver = driver % MaxDrivers + 1;
                b.Result(static_cast<std::uint16_t>(driver),
                         static_cast<std::uint8_t>(p <= 18 ? p : 0),
                         static_cast<std::uint8_t>(1 + p % MaxTeams),
                         The_Class::ParseTime("+" + std::to_string(p) + ".123"),
                         static_cast<std::uint16_t>(1 + p), static_cast<std::uint16_t>(p));
            }
        }
        for (int k = 1; k <= 21; ++k)
            b.DriverStanding(year, static_cast<std::uint16_t>(k + year - FirstYear), 1,
                             static_cast<float>(100 - k));
        for (int k = 1; k <= 9; ++k)
            b.TeamStanding(year, static_cast<std::uint16_t>(k), "", static_cast<float>(100 - k));
    }
    return db;
}

std::unique_ptr<The_Class> MakeModernDatabase() {
    auto db = MakeSmallDatabase();
    DatabaseBuilder b(*db);
    const auto german = b.Nationality("German"), spanish = b.Nationality("Spanish");
    std::uint16_t drivers[14];
    for (int i = 0; i < 14; ++i)
        drivers[i] = b.Driver("Modern Driver " + std::to_string(i + 1), i % 2 ? german : spanish);
    const char* teamNames[] = {"Renault", "McLaren", "Honda", "Toyota", "Williams", "Red Bull"};
    std::uint8_t teams[6];
    for (int i = 0; i < 6; ++i)
        teams[i] = b.Team(teamNames[i]);
    const char* places[] = {"Sakhir", "Sepang", "Melbourne", "Imola", "Monza", "Suzuka"};
    std::uint8_t tracks[6], names[6];
    for (int i = 0; i < 6; ++i) {
        tracks[i] = b.Track(places[i]);
        names[i] = b.GPName(std::string(places[i]) + " GP");
    }
    const auto hydraulics = b.Reason("Hydraulics");
    const std::uint16_t empty = EmptyReasonCode;

    b.SeasonsUpTo(2004);
    for (int year = 2005; year <= 2006; ++year) {
        const int gps = year == 2005 ? 6 : 5;
        for (int k = 0; k < gps; ++k) {
            const auto g = b.GP(year, 3 + k, 5 + 2 * k, tracks[k], names[k], 57);
            // Rotate the field so that every GP has a different order.
            const int shift = (year - 2005) * 3 + k;
            for (int p = 0; p < 12; ++p) {
                const int d = (p + shift) % 14;
                const bool placed = p < 10;
                const std::uint16_t reason =
                    placed ? empty
                           : (p == 10 ? hydraulics : b.Note("Spun off, lap " + std::to_string(k)));
                b.Result(drivers[d], static_cast<std::uint8_t>(placed ? p + 1 : 0), teams[d % 6],
                         placed ? The_Class::ParseTime("+" + std::to_string(p) + ".5") : 0, reason,
                         static_cast<std::uint16_t>(p + 1));
            }
            TGPRow& row = db->GPs[g];
            row.FLDriver = drivers[(shift + 1) % 14], row.PoleDriver = drivers[shift % 14];
            row.FLTime = The_Class::ParseTime("1:31.447"),
            row.PoleTime = The_Class::ParseTime("1:29.9");
            row.Remark = static_cast<std::uint8_t>(1 + k % 2);
        }
        for (int i = 0; i < 4; ++i)
            b.DriverStanding(year, drivers[i], teams[i % 6], static_cast<float>(100 - 9 * i));
        for (int i = 0; i < 3; ++i)
            b.TeamStanding(year, teams[i], teamNames[i], static_cast<float>(150 - 20 * i));
        TSeasonRow& s = db->Seasons[year];
        s.ChampDriver = drivers[0], s.ChampDriverTeam = s.ChampTeam = teams[0];
    }
    db->RebuildResultIndex(); // poles and fastest laps were set in the rows
    return db;
}

std::string FirstDifference(const TheClassData& a, const TheClassData& b) {
    struct Field {
        const char* name;
        const void* x;
        const void* y;
        std::size_t size;
    };
    // clang-format off
#define QOR_FIELD(m) Field{#m, &a.m, &b.m, sizeof a.m}
    const Field fields[] = {
        QOR_FIELD(DriverNames), QOR_FIELD(DriverNat), QOR_FIELD(DriverCount), QOR_FIELD(TeamNames),
        QOR_FIELD(TeamCountry), QOR_FIELD(TeamCount), QOR_FIELD(GPNames), QOR_FIELD(GPNameCount),
        QOR_FIELD(TrackNames), QOR_FIELD(TrackCount), QOR_FIELD(Reasons), QOR_FIELD(ReasonCount),
        QOR_FIELD(Nationalities), QOR_FIELD(NationalityCount), QOR_FIELD(Countries),
        QOR_FIELD(CountryCount), QOR_FIELD(GPRemarksEn), QOR_FIELD(GPRemarksTr),
        QOR_FIELD(RemarkCount), QOR_FIELD(NoteCount), QOR_FIELD(NotesHeader),
        QOR_FIELD(OtherNameCount), QOR_FIELD(TeamFullNames), QOR_FIELD(TeamFullNameCount),
        QOR_FIELD(Seasons), QOR_FIELD(SeasonCount), QOR_FIELD(LastYear), QOR_FIELD(GPs),
        QOR_FIELD(GPCount), QOR_FIELD(Results), QOR_FIELD(ResultCount), QOR_FIELD(DriverStandings),
        QOR_FIELD(DriverStandingCount), QOR_FIELD(TeamStandings), QOR_FIELD(TeamStandingCount),
        QOR_FIELD(Header), QOR_FIELD(LanguageMode), QOR_FIELD(ColorTheme),
        QOR_FIELD(GridLineStyle), QOR_FIELD(OddEvenRows), QOR_FIELD(SpareOption),
        QOR_FIELD(CompareView), QOR_FIELD(StatsWindowSize), QOR_FIELD(DarkLevel),
        QOR_FIELD(FontSizeMode), QOR_FIELD(OnlineOption)};
#undef QOR_FIELD
    // clang-format on
    for (const Field& f : fields)
        if (std::memcmp(f.x, f.y, f.size) != 0) return f.name;
    if (a.Notes.size() != b.Notes.size() ||
        std::memcmp(a.Notes.data(), b.Notes.data(), a.Notes.size() * sizeof(TNoteRec)) != 0)
        return "Notes";
    if (a.OtherNames.size() != b.OtherNames.size()) return "OtherNames";
    for (std::size_t i = 0; i < a.OtherNames.size(); ++i)
        if (a.OtherNames[i].Driver != b.OtherNames[i].Driver ||
            a.OtherNames[i].Name != b.OtherNames[i].Name)
            return "OtherNames";
    return std::string();
}

std::uint32_t DirField(const std::vector<std::uint8_t>& img, int k, int field) {
    std::uint32_t v;
    std::memcpy(&v, img.data() + 32 + (k - 1) * 12 + field * 4, 4);
    return v;
}

void SetDirField(std::vector<std::uint8_t>& img, int k, int field, std::uint32_t value) {
    std::memcpy(img.data() + 32 + (k - 1) * 12 + field * 4, &value, 4);
}

void AppendBlock(std::vector<std::uint8_t>& img, int k, const std::vector<std::uint8_t>& block,
                 std::uint32_t count) {
    SetDirField(img, k, 0, static_cast<std::uint32_t>(img.size()));
    SetDirField(img, k, 1, static_cast<std::uint32_t>(block.size()));
    SetDirField(img, k, 2, count);
    img.insert(img.end(), block.begin(), block.end());
}

std::vector<std::uint8_t> OldLayoutImage(const The_Class& db) {
    std::vector<std::uint8_t> img = db.BuildDataImage();
    img[0] = 4;
    std::memcpy(&img[1], "1.00", 4);
    std::vector<std::uint8_t> seasons, drivers, teams;
    const auto put = [](std::vector<std::uint8_t>& out, const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        out.insert(out.end(), b, b + n);
    };
    const std::uint32_t zero = 0;
    for (int y = FirstYear; y <= db.LastYear; ++y) {
        const TSeasonRow& s = db.Seasons[y];
        const auto year = static_cast<std::uint16_t>(y);
        put(seasons, &s, 10); // the ranges behind were not stored yet
        for (int i = s.FirstDriverStanding; i <= s.LastDriverStanding; ++i) {
            const TDriverStanding& r = db.DriverStandings[static_cast<std::size_t>(i)];
            put(drivers, &year, 2);
            put(drivers, &r, 3); // driver and team
            put(drivers, &zero, 3);
            put(drivers, &r.Points, 4);
        }
        for (int i = s.FirstTeamStanding; i <= s.LastTeamStanding; ++i) {
            const TTeamStanding& r = db.TeamStandings[static_cast<std::size_t>(i)];
            put(teams, &year, 2);
            put(teams, &r, 28); // team and name
            put(teams, &zero, 2);
            put(teams, &r.Points, 4);
        }
    }
    AppendBlock(img, 11, seasons, db.SeasonCount);
    AppendBlock(img, 15, drivers, db.DriverStandingCount);
    AppendBlock(img, 16, teams, db.TeamStandingCount);
    return img;
}

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "qor-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = tmpl + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace qor::testing
