#include "support/EditingSupport.h"

#include "support/Fixtures.h"

#include <cstring>

namespace qor::testing {

std::unique_ptr<The_Class> MakeModernDatabase() {
    auto db = MakeSmallDatabase();
    DatabaseBuilder b(*db);
    const auto german = b.Nationality("German");
    const auto spanish = b.Nationality("Spanish");
    const char* driverNames[] = {"Fernando Alonso",      "Michael Schumacher", "Kimi Raikkonen",
                                 "Giancarlo Fisichella", "Felipe Massa",       "Jenson Button",
                                 "Rubens Barrichello",   "Juan Pablo Montoya", "Ralf Schumacher",
                                 "Jarno Trulli",         "Nick Heidfeld",      "Mark Webber",
                                 "David Coulthard",      "Nico Rosberg"};
    std::uint16_t drivers[14];
    for (int i = 0; i < 14; ++i)
        drivers[i] = b.Driver(driverNames[i], i % 2 ? german : spanish);
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
            db->GPs[g].FLDriver = drivers[(shift + 1) % 14];
            db->GPs[g].FLTime = The_Class::ParseTime("1:31.447");
            db->GPs[g].PoleDriver = drivers[shift % 14];
            db->GPs[g].PoleTime = The_Class::ParseTime("1:29.9");
            db->GPs[g].Remark = static_cast<std::uint8_t>(1 + k % 2);
        }
        for (int i = 0; i < 4; ++i)
            b.DriverStanding(year, drivers[i], teams[i % 6], static_cast<float>(100 - 9 * i));
        for (int i = 0; i < 3; ++i)
            b.TeamStanding(year, teams[i], teamNames[i], static_cast<float>(150 - 20 * i));
        db->Seasons[year].ChampDriver = drivers[0];
        db->Seasons[year].ChampDriverTeam = teams[0];
        db->Seasons[year].ChampTeam = teams[0];
    }
    return db;
}

namespace {

template <typename T> bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

} // namespace

std::string FirstDifference(const TheClassData& a, const TheClassData& b) {
#define QOR_COMPARE(member)                                                                        \
    do {                                                                                           \
        if (!SameBytes(a.member, b.member)) return #member;                                        \
    } while (false)
    QOR_COMPARE(DriverNames);
    QOR_COMPARE(DriverNat);
    QOR_COMPARE(DriverCount);
    QOR_COMPARE(TeamNames);
    QOR_COMPARE(TeamCountry);
    QOR_COMPARE(TeamCount);
    QOR_COMPARE(GPNames);
    QOR_COMPARE(GPNameCount);
    QOR_COMPARE(TrackNames);
    QOR_COMPARE(TrackCount);
    QOR_COMPARE(Reasons);
    QOR_COMPARE(ReasonCount);
    QOR_COMPARE(Nationalities);
    QOR_COMPARE(NationalityCount);
    QOR_COMPARE(Countries);
    QOR_COMPARE(CountryCount);
    QOR_COMPARE(GPRemarksEn);
    QOR_COMPARE(GPRemarksTr);
    QOR_COMPARE(RemarkCount);
    QOR_COMPARE(NoteCount);
    QOR_COMPARE(NotesHeader);
    QOR_COMPARE(OtherNameCount);
    QOR_COMPARE(TeamFullNames);
    QOR_COMPARE(TeamFullNameCount);
    QOR_COMPARE(Seasons);
    QOR_COMPARE(SeasonCount);
    QOR_COMPARE(LastYear);
    QOR_COMPARE(GPs);
    QOR_COMPARE(GPCount);
    QOR_COMPARE(Results);
    QOR_COMPARE(ResultCount);
    QOR_COMPARE(DriverStandings);
    QOR_COMPARE(DriverStandingCount);
    QOR_COMPARE(TeamStandings);
    QOR_COMPARE(TeamStandingCount);
    QOR_COMPARE(Header);
    QOR_COMPARE(LanguageMode);
    QOR_COMPARE(ColorTheme);
    QOR_COMPARE(GridLineStyle);
    QOR_COMPARE(OddEvenRows);
    QOR_COMPARE(SpareOption);
    QOR_COMPARE(CompareView);
    QOR_COMPARE(StatsWindowSize);
    QOR_COMPARE(DarkLevel);
    QOR_COMPARE(FontSizeMode);
    QOR_COMPARE(OnlineOption);
#undef QOR_COMPARE
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

} // namespace qor::testing
