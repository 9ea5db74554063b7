// The data builder: the extract's TSV tables, F1DB's texts made the database's (names, time
// codes, the status texts of results), the importer on a small extract (each mapping rule's
// outcome), the three files written from it, and the committed files rebuilt byte for byte.

#include "BuildError.h"
#include "F1dbImport.h"
#include "MiniF1db.h"
#include "ResultText.h"
#include "ShippedData.h"
#include "TextFit.h"
#include "TimeCodes.h"
#include "Tsv.h"
#include "database/Flags.h"
#include "database/Invariants.h"
#include "support/Fixtures.h"
#include "text/Encoding.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace qor;
using namespace qor::testing;
using namespace qor::tools;

namespace {

// The importer run on the small extract.
class Import : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteMiniF1db(dir.path());
        Fill();
    }
    void Fill() {
        db = std::make_unique<The_Class>();
        importer = std::make_unique<F1dbImport>(dir.path());
        importer->Fill(*db);
    }
    // The rows of GP g, one a line: "driver|team|pos|time|notes|grid".
    std::string Rows(int g) const {
        std::string rows;
        const TGPRow& gp = db->GPs[static_cast<std::size_t>(g)];
        for (int r = gp.FirstResult; r <= gp.LastResult; ++r) {
            const TResultRec& x = db->Results[static_cast<std::size_t>(r)];
            rows += db->ResultDriverName(r) + "|" + db->ResultTeamName(r) + "|" +
                    The_Class::NumText(x.Pos) + "|" + The_Class::FormatTime(x.Time) + "|" +
                    db->ReasonText(x.Reason) + "|" + std::to_string(x.Grid) + "\n";
        }
        return rows;
    }

    TempDir dir;
    std::unique_ptr<The_Class> db;
    std::unique_ptr<F1dbImport> importer;
};

} // namespace

TEST_F(Import, ClassificationByPositionThenUnplacedInDisplayOrder) {
    EXPECT_EQ(Rows(1), "Nino Farina|Alfa Romeo|1|2 hr 13:23.60||1\n"
                       "Luigi Fagioli|Alfa Romeo|2|+ 02.60||2\n"
                       "Reg Parnell|Alfa Romeo|3|||0\n"
                       "Jan Los|ERA|4|+ 10 laps|Engine|5\n"
                       "Juan Manuel Fangio|Alfa Romeo||lap 62|Oil pipe|3\n"
                       "Tony Rolt|ERA|||DNQ|0\n"
                       "Stirling Moss|Lotus|||DNS - Injury|4\n");
    EXPECT_EQ(Rows(2), "Juan Manuel Fangio|Alfa Romeo|1|3 hr 13:18.70||1\n"
                       "Luigi Fagioli|Alfa Romeo|2|+ 1 laps||0\n"
                       "Tony Rolt|ERA||lap 80|NC|5\n"
                       "Nino Farina|Alfa Romeo||lap 90|Disq - Push start|2\n"
                       "Alberto Ascari|Ferrari (1950)|||Excluded (Disq)|0\n"
                       "Stirling Moss|Lotus|||DNS - Did not practise|0\n");
    // A shared winning car: both drivers are winners.
    EXPECT_EQ(Rows(3), "Luigi Fagioli|Alfa Romeo|1|3 hr 22:11.00||7\n"
                       "Juan Manuel Fangio|Alfa Romeo|1|||0\n"
                       "Alberto Ascari|Ferrari|2|+ 3 laps||3\n"
                       "Stirling Moss|Lotus (1951)|||DNPQ|0\n");
}

TEST_F(Import, NamesUniqueAndDescriptionsMostUsedFirst) {
    EXPECT_EQ(FirstViolation(*db), "");
    EXPECT_EQ(db->DriverCount, 8); // only drivers with an entry
    EXPECT_EQ(db->TeamCount, 6);
    for (const char* team : {"Ferrari", "Ferrari (1950)", "Lotus (1951)"})
        EXPECT_NE(db->FindTeam(team), 0) << team;
    EXPECT_EQ(db->TeamCountryName(db->FindTeam("Lotus (1951)")), "USA");
    EXPECT_EQ(db->DriverNatName(db->FindDriver("Jan Los")), "Polish");
    EXPECT_EQ(db->FindDriver("Never Raced"), 0);
    EXPECT_EQ(db->ReasonText(EmptyReasonCode), ""); // the empty text keeps its row
    EXPECT_EQ(db->Results[1].Reason, EmptyReasonCode);
    EXPECT_EQ(db->ReasonText(1), "DNPQ");
}

TEST_F(Import, FastestLapsPolesStandingsAndChampions) {
    EXPECT_EQ(The_Class::FormatTime(db->GPs[1].FLTime), "01:50.60");
    EXPECT_EQ(The_Class::FormatTime(db->GPs[2].PoleTime), "01:50.20");
    EXPECT_EQ(db->GPs[3].PoleTime, 0u);
    const TSeasonRow& s50 = db->Seasons[1950];
    EXPECT_EQ(db->DriverName(s50.ChampDriver), "Nino Farina"); // ahead of Fangio on equal points
    EXPECT_EQ(s50.ChampDriverWins, 1);
    EXPECT_EQ(s50.LastTeamStanding + 1, s50.FirstTeamStanding); // no constructors' table
    // A driver without a scoring result keeps the team of his last entry.
    const TDriverStanding& rolt = db->DriverStandings[s50.LastDriverStanding];
    EXPECT_EQ(db->DriverName(rolt.Driver) + "|" + db->TeamName(rolt.Team), "Tony Rolt|ERA");
    const TSeasonRow& s51 = db->Seasons[1951];
    EXPECT_FLOAT_EQ(db->DriverStandings[s51.FirstDriverStanding].Points, 5.5f);
    EXPECT_EQ(db->TeamName(s51.ChampTeam), "Alfa Romeo");
    EXPECT_EQ(s51.ChampTeamWins, 1); // two winners in one car are one win
    ASSERT_EQ(s51.LastTeamStanding - s51.FirstTeamStanding + 1, 2);
    EXPECT_EQ(db->TeamName(db->TeamStandings[s51.LastTeamStanding].Team), "Ferrari");
}

// The other names' order and text show in the builder's other_names.txt.
TEST_F(Import, FlagNationalities) {
    const auto top = importer->TopNationalities(3);
    ASSERT_EQ(top.size(), 3u);
    // Italians and Britons both count three drivers; the Italians have more entries.
    EXPECT_EQ(top[0].name + " " + top[1].name + " " + top[1].alpha2 + " " + top[2].name,
              "Italian British gb Argentine");
}

TEST_F(Import, RefusesWhatItCannotMapFaithfully) {
    const struct {
        const char* file;
        const char* rows;
        const char* why;
    } cases[] = {
        {"races.tsv",
         "race_id|year|round|date|grand_prix_id|circuit_id|laps\n"
         "1|1950|1|1950-05-13|great-britain|silverstone|70\n"
         "2|1950|2|1950-05-13|monaco|monaco|100\n3|1951|1|1951-07-01|france|reims|77\n",
         "two GPs on one day"},
        {"fastest_laps.tsv",
         "race_id|driver_id|constructor_id|lap|time\n1|farina|alfa-romeo|2|4:01:50.600\n",
         "a lap time the code cannot hold"},
        {"driver_standings.tsv", "year|position|driver_id|points\n1952|1|farina|9\n",
         "standings of a season without races"},
        {"grands_prix.tsv",
         "grand_prix_id|name|full_name|short_name|country_id\n"
         "france|A Grand Prix Name Far Too Long|x|x|france\n"
         "great-britain|Great Britain|x|x|united-kingdom\nmonaco|Monaco|x|x|monaco\n",
         "a name too long for its field"},
    };
    for (const auto& c : cases) {
        WriteMiniF1db(dir.path());
        WriteTable(dir.file(c.file), c.rows);
        EXPECT_THROW(Fill(), BuildError) << c.why;
    }
}

TEST(Tsv, CellsByColumnName) {
    const auto t = TsvTable::Parse("id\tname\tlaps\r\n1\tMonza\t53\r\n\r\n2\tSpa\n3\n", "t.tsv");
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t.Cell(0, "name") + t.Cell(0, "laps") + t.Cell(2, "id"), "Monza533");
    EXPECT_EQ(t.Cell(1, "laps"), ""); // short rows read as empty cells
    EXPECT_EQ(t.Cell(1, t.Column("name")), "Spa");
}

TEST(Tsv, RefusesMalformedTables) {
    EXPECT_THROW(TsvTable::Parse("", "empty.tsv"), BuildError);
    EXPECT_THROW(TsvTable::Parse("a\tb\n1\t2\t3\n", "wide.tsv"), BuildError);
    const auto t = TsvTable::Parse("a\n1\n", "t.tsv");
    EXPECT_THROW(t.Column("b"), BuildError);
    EXPECT_THROW(TsvTable::Load("/nonexistent/qor/races.tsv"), BuildError);
}

TEST(TextFit, KeepsWhatTheCodePageHoldsAndTransliteratesTheRest) {
    for (const char* kept : {"Kimi Räikkönen", "Rubens Gonçalves", "Şanlı", "a?b"})
        EXPECT_EQ(ToCp1254(kept), Utf8ToCp1254(kept));
    EXPECT_EQ(ToCp1254("Jiří Dvořák"), Utf8ToCp1254("Jirí Dvorák"));
    EXPECT_EQ(ToCp1254("Guðmundur Þór"), "Gudmundur Th" + Utf8ToCp1254("ó") + "r");
    EXPECT_EQ(ToCp1254("東京"), "??");
}

TEST(TextFit, NamesFitByTheirShortFormsOrWholeWordsOrNotAtAll) {
    EXPECT_EQ(FitName("United States of America", 15, "country"), "USA");
    EXPECT_EQ(FitName("Frank Williams Racing Cars", 25, "constructor"), "Frank Williams Racing");
    EXPECT_THROW(FitName("An Unreasonably Long Circuit Name", 20, "circuit"), BuildError);
    EXPECT_EQ(FitByWords("one two three", 9), "one two");
    EXPECT_EQ(FitByWords("abcdefghijkl", 5), "abcde");
}

TEST(TimeCodes, MatchTheProgramsParserAndDisplay) {
    const struct {
        const char* f1db;
        bool gap;
        const char* typed; // the same value as the program's parser reads it
        const char* shown;
    } cases[] = {
        {"2:13:23.600", false, "2 hr 13:23.600", "2 hr 13:23.60"}, // zero thousandths hidden
        {"1:31:53.751", false, "1 hr 31:53.751", "1 hr 31:53.751"},
        {"1:50.800", false, "1:50.800", "01:50.80"},
        {"2:00:2.699", false, "2 hr 00:02.699", "2 hr 00:02.699"}, // a one-digit field
        {"1:12.05", false, "1:12.050", "01:12.05"},                // two decimals
        {"+18.658", true, "+18.658", "+ 18.658"},
        {"+1:07.642", true, "+1:07.642", "+ 01:07.642"},
        {"+1 lap", true, "+1 laps", "+ 1 laps"},
        {"+300 laps", true, "+300 laps", "+ 300 laps"},
    };
    for (const auto& c : cases) {
        const auto code = c.gap ? GapTime(c.f1db) : ClockTime(c.f1db);
        ASSERT_TRUE(code) << c.f1db;
        EXPECT_EQ(*code, The_Class::ParseTime(c.typed)) << c.f1db;
        EXPECT_EQ(The_Class::FormatTime(*code), c.shown) << c.f1db;
    }
    EXPECT_EQ(CountCode(StyleLap, 14), The_Class::ParseTime("lap 14"));
    EXPECT_EQ(CountCode(StyleLap, 700), The_Class::ParseTime("lap 700"));
}

TEST(TimeCodes, RefusesWhatTheCodeCannotHold) {
    for (const char* clock : {"4:00:01.150", "", "1:2:3:4.5", "1:75.000", "12.3456", "-5.000"})
        EXPECT_FALSE(ClockTime(clock)) << clock;
    for (const char* gap : {"12.345", "+", "+x laps", "+2000 laps", "+1:2:03.000"})
        EXPECT_FALSE(GapTime(gap)) << gap;
}

// The importer's test shows the texts of the extract's entries; here the other cases.
TEST(ResultText, EachStatusTextCarriesItsOwnMark) {
    const struct {
        EntryStatus status;
        const char* reason;
        const char* text;
    } cases[] = {
        {EntryStatus::Classified, "", ""},
        {EntryStatus::DNF, "", "Retired"},
        {EntryStatus::DNS, "", "DNS"},
        {EntryStatus::DNPQ, "Accident", "DNPQ - Accident"}, // not read as DNQ
        {EntryStatus::DSQ, "", "Disqualified"},
        {EntryStatus::DNP, "Car raced by Surer", "DNS - Did not practise - Car raced by Surer"},
        // Long texts lose whole words to fit 45 characters.
        {EntryStatus::DSQ, "Ignored yellow flags in practice and again in the race itself",
         "Disq - Ignored yellow flags in practice and"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DescriptionText(c.status, c.reason), c.text);
        EXPECT_EQ(MarkOf(c.text), ExpectedMark(c.status)) << c.text;
    }
    int pos = -1;
    for (const char* bad : {"0", "", "3rd", "dnf"})
        EXPECT_FALSE(ParseStatus(bad, pos)) << bad;
}

TEST(ResultText, RefusesAReasonThatWouldReadAsAnotherStatus) {
    EXPECT_THROW(DescriptionText(EntryStatus::DNF, "DNS after a crash"), BuildError);
    EXPECT_THROW(DescriptionText(EntryStatus::Classified, "Disqualified later"), BuildError);
    EXPECT_THROW(DescriptionText(EntryStatus::DNQ, "DNS earlier"), BuildError);
}

namespace {

// The builder's input: the small extract and four flag pictures.
class Builder : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(src.path() + "f1db");
        std::filesystem::create_directories(src.path() + "flags");
        WriteMiniF1db(src.path() + "f1db/");
        WritePng(src.file("flags/it.png"), 16, 11, 0, 146, 70);
        WritePng(src.file("flags/gb.png"), 16, 11, 1, 33, 105);
        WritePng(src.file("flags/ar.png"), 16, 11, 116, 172, 223, true);
        WritePng(src.file("flags/pl.png"), 15, 11, 220, 20, 60); // rows padded to 48 bytes
    }
    ShippedDataOptions Options(const TempDir& out) const {
        return {src.path() + "f1db", src.path() + "flags", out.path()};
    }
    TempDir src;
};

} // namespace

TEST_F(Builder, WritesTheThreeFilesThatTheProgramReadsAndTheSameBytesAgain) {
    TempDir out, again;
    ASSERT_EQ(BuildShippedData(Options(out)), "");
    The_Class db;
    db.DataPath = out.path();
    ASSERT_EQ(db.LoadDatabase("f1data5.dat", "f1notes5.dat", 1), 0) << db.LastError;
    EXPECT_EQ(db.GPCount, 3);
    ASSERT_EQ(db.OtherNameCount, 4);
    EXPECT_EQ(ReadFileBytes(out.file("other_names.txt")).substr(0, 40),
              "Stirling Moss***Stirling Craufurd Moss\r\n");
    FlagImages flags;
    ASSERT_TRUE(flags.LoadFlags(out.file("flags.dat")));
    EXPECT_EQ(flags.Count(), 4u);
    const auto bmp =
        flags.PictureAt(flags.FindFlag(db.DriverNatName(db.FindDriver("Jan Los")) + ".bmp"));
    ASSERT_EQ(bmp.size(), 54u + 48 * 11); // bottom-up rows of 15 pixels and 3 padding bytes
    EXPECT_EQ(std::vector<std::uint8_t>(bmp.begin() + 54, bmp.begin() + 57),
              (std::vector<std::uint8_t>{60, 20, 220})); // Poland's colour, blue first
    // Argentina's picture has a transparent top-left pixel: white over the last stored row.
    const auto ar = flags.PictureAt(flags.FindFlag("argentine.bmp"));
    EXPECT_EQ(std::vector<std::uint8_t>(ar.end() - 48, ar.end() - 42),
              (std::vector<std::uint8_t>{255, 255, 255, 223, 172, 116}));

    ASSERT_EQ(BuildShippedData(Options(again)), "");
    for (const char* f : {"f1data5.dat", "other_names.txt", "flags.dat"})
        EXPECT_EQ(ReadFileBytes(out.file(f)), ReadFileBytes(again.file(f))) << f;
}

TEST_F(Builder, MissingInputFailsWithoutWritingAnything) {
    std::filesystem::remove(src.file("flags/pl.png"));
    TempDir out;
    EXPECT_NE(BuildShippedData(Options(out)).find("Polish"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out.file("f1data5.dat")));
    std::filesystem::remove(src.file("f1db/races.tsv"));
    EXPECT_NE(BuildShippedData(Options(out)).find("races.tsv"), std::string::npos);
}

// The committed data files are exactly what the builder makes of the F1DB extract.
TEST(ShippedData, CommittedFilesRebuildByteForByte) {
    const std::string f1db = QOR_SOURCE_DIR "/../shared/data/f1db";
    const std::string flagDir = "/usr/share/flags/countries/16x11";
    if (!std::filesystem::exists(f1db + "/races.tsv"))
        GTEST_SKIP() << "skipped: the F1DB extract (../shared/data/f1db) is not present";
    if (!std::filesystem::exists(flagDir))
        GTEST_SKIP() << "skipped: famfamfam-flag-png is not installed (scripts/deps.sh tools)";
    TempDir out;
    ASSERT_EQ(BuildShippedData({f1db, flagDir, out.path()}), "");
    for (const char* f : {"f1data5.dat", "other_names.txt", "flags.dat"})
        EXPECT_TRUE(ReadFileBytes(out.file(f)) ==
                    ReadFileBytes(QOR_SOURCE_DIR "/data/" + std::string(f)))
            << f << " differs from the committed file: rebuild the data (tools/README.md)";
}
