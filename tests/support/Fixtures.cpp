#include "support/Fixtures.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace qor::testing {

std::uint16_t PackDate(int year, int month, int day) {
    return static_cast<std::uint16_t>(((year - FirstYear) << 9) | (month << 5) | day);
}

std::uint16_t DatabaseBuilder::Driver(const std::string& name, std::uint8_t nat) {
    const auto i = ++db_.DriverCount;
    db_.DriverNames[i].assign_clean(name);
    db_.DriverNat[i] = nat;
    return i;
}

std::uint8_t DatabaseBuilder::Team(const std::string& name, std::uint8_t country) {
    const auto i = ++db_.TeamCount;
    db_.TeamNames[i].assign_clean(name);
    db_.TeamCountry[i] = country;
    return static_cast<std::uint8_t>(i);
}

std::uint8_t DatabaseBuilder::Track(const std::string& name) {
    const auto i = ++db_.TrackCount;
    db_.TrackNames[i].assign_clean(name);
    return static_cast<std::uint8_t>(i);
}

std::uint8_t DatabaseBuilder::GPName(const std::string& name) {
    const auto i = ++db_.GPNameCount;
    db_.GPNames[i].assign_clean(name);
    return static_cast<std::uint8_t>(i);
}

std::uint16_t DatabaseBuilder::Reason(const std::string& text) {
    const auto i = ++db_.ReasonCount;
    db_.Reasons[i].assign_clean(text);
    return i;
}

std::uint8_t DatabaseBuilder::Nationality(const std::string& text) {
    const auto i = ++db_.NationalityCount;
    db_.Nationalities[i].assign_clean(text);
    return static_cast<std::uint8_t>(i);
}

std::uint8_t DatabaseBuilder::Country(const std::string& text) {
    const auto i = ++db_.CountryCount;
    db_.Countries[i].assign_clean(text);
    return static_cast<std::uint8_t>(i);
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
    return r;
}

std::uint16_t DatabaseBuilder::DriverStanding(int year, std::uint16_t driver, std::uint8_t team,
                                              float points) {
    if (year != db_.LastYear) throw std::logic_error("standings belong to the last season");
    const auto i = ++db_.DriverStandingCount;
    db_.DriverStandings[i] = TDriverStanding{driver, team, 0, points};
    db_.Seasons[year].LastDriverStanding = i;
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
    const auto italian = b.Nationality("Italian");
    const auto argentine = b.Nationality("Argentine");
    const auto british = b.Nationality("British");
    const auto italy = b.Country("Italy");
    const auto uk = b.Country("UK");
    const auto farina = b.Driver("Nino Farina", italian);
    const auto fangio = b.Driver("Juan Manuel Fangio", argentine);
    const auto fagioli = b.Driver("Luigi Fagioli", italian);
    const auto parnell = b.Driver("Reg Parnell", british);
    b.Driver("Ayrton Senna", 0);
    const auto alfa = b.Team("Alfa Romeo", italy);
    const auto ferrari = b.Team("Ferrari", italy);
    const auto era = b.Team("ERA", uk);
    const auto silverstone = b.Track("Silverstone");
    const auto monaco = b.Track("Monte Carlo");
    const auto britain = b.GPName("Great Britain");
    const auto monacoName = b.GPName("Monaco");
    for (int i = 1; i <= 14; ++i)
        b.Reason("Reason " + std::to_string(i));
    const auto empty = b.Reason(""); // row 15: the empty description
    const auto engine = b.Reason("Engine");
    const auto dnq = b.Reason("DNQ");
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
    db->Seasons[1950].ChampDriver = farina;
    db->Seasons[1950].ChampDriverTeam = alfa;
    db->Seasons[1950].ChampDriverWins = 1;
    db->GPs[1].FLDriver = farina;
    db->GPs[1].FLTime = The_Class::ParseTime("1:50.600");
    db->GPs[1].PoleDriver = farina;
    db->GPs[1].PoleTime = The_Class::ParseTime("1:50.800");
    db->GPs[1].Remark = 1;
    return db;
}

std::unique_ptr<The_Class> MakeFullSizeDatabase() {
    auto db = std::make_unique<The_Class>();
    DatabaseBuilder b(*db);
    for (int i = 1; i <= MaxNationalities; ++i)
        b.Nationality("Nationality " + std::to_string(i));
    for (int i = 1; i <= MaxCountries; ++i)
        b.Country("Country " + std::to_string(i));
    for (int i = 1; i <= MaxDrivers; ++i)
        b.Driver("Driver number " + std::to_string(i) + " with a long name",
                 static_cast<std::uint8_t>(1 + i % MaxNationalities));
    for (int i = 1; i <= MaxTeams; ++i)
        b.Team("Team " + std::to_string(i), static_cast<std::uint8_t>(1 + i % MaxCountries));
    for (int i = 1; i <= MaxTracks; ++i)
        b.Track("Track " + std::to_string(i));
    for (int i = 1; i <= MaxGPNames; ++i)
        b.GPName("Grand Prix " + std::to_string(i));
    for (int i = 1; i <= MaxReasons; ++i)
        b.Reason("Description " + std::to_string(i) + " of a result row");
    for (int i = 1; i <= MaxRemarks; ++i)
        b.Remark("Weather " + std::to_string(i), "Hava " + std::to_string(i));
    for (int i = 1; i <= MaxNotes; ++i)
        b.Note("Note " + std::to_string(i));
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
