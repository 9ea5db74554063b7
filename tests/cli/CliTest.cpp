// qor-cli run as a process: each row shows a command reaching its table in its format, or
// naming what is wrong; the figures themselves are pinned by the core tests.

#include "export/HtmlExport.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"
#include "support/Process.h"
#include "support/RecordDatabase.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

namespace qor {
namespace {

// Arguments, exit status and output: part of stdout (0), all of stderr (1), else its first line.
struct Case {
    const char* args;
    int status;
    const char* expected;
};

// qor-cli run on the database Use() saves in the test's folder, else on the shipped data.
class QorCli : public ::testing::Test {
  protected:
    void Use(std::unique_ptr<The_Class> db) {
        db->DataFileName = dir_.file("f1data5.dat");
        db->NotesFileName = dir_.file("f1notes5.dat");
        ASSERT_EQ(db->SaveDatabase(), 1);
        data_ = "--data '" + dir_.path() + "' ";
    }
    testing::ProcessResult Run(const std::string& args) const {
        return testing::RunProcess(std::string(QOR_CLI) + " " + data_ + args);
    }
    void Check(const std::vector<Case>& cases) const {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.args);
            const auto r = Run(c.args);
            EXPECT_EQ(r.status, c.status) << r.err;
            if (c.status == 0) {
                EXPECT_NE(r.out.find(c.expected), std::string::npos) << r.out;
                EXPECT_EQ(r.err, "");
                continue;
            }
            EXPECT_EQ(r.out, "");
            const std::string err = c.status == 1 ? r.err : r.err.substr(0, r.err.find('\n') + 1);
            EXPECT_EQ(err, std::string(c.expected) + "\n");
        }
    }
    testing::TempDir dir_;
    std::string data_;
};

TEST_F(QorCli, CommandsAndTablesOnTheSmallDatabase) {
    Use(testing::MakeSmallDatabase());
    Check({
        {"info", 0, "Results          9\n"},
        {"", 0, "19 July 1952"}, // no command: the last GP
        // A GP as the browser shows it: the table's text, then the information panel.
        {"gp '13 May 1950'", 0, "Great Britain       Silverstone     13 May 1950\n\n"},
        {"gp '13 May 1950'", 0,
         "\n4  record(s) found.\n\nFastest lap: Nino Farina 01:50.60\n"
         "Pole position: Nino Farina 01:50.80\nWeather: Sunny\nNumber of Laps : 70\n"},
        {"table gp 13 May 1950", 0, "\n4  Juan Manuel Fangio  "}, // an unquoted date
        {"gp '14 May 1950'", 1, "No Grand Prix on 14 May 1950"},
        {"gp '13 May 1950' --format html", 1, "The HTML page is made for Grands Prix from 1980 on"},
        {"frobnicate", 64, "qor-cli: unknown command 'frobnicate'"},
        // The tables of the browser, the championship panel and the season lists.
        {"table gp-list 1950 --by date", 0, "   By date\n1  13 May\n2  21 May\n3  22 May\n"},
        {"table gp-list 1950 --by name", 0, "1  Great Britain\n2  Monaco\n"},
        {"table gp-list 1950 --by weather", 1,
         "usage: qor-cli table gp-list YEAR [--by track|name|date]"},
        {"table gp-list 1949", 1, "No season 1949 in the database"},
        {"table standings drivers 1950 --format tsv", 0, "\n3\tLuigi Fagioli\tItalian\t24.50\t0\n"},
        {"table standings teams 1950", 1,
         "No constructors' championship in 1950 (it began in 1958)"},
        {"table standings pilots 1950", 1, "usage: qor-cli table standings drivers|teams YEAR"},
        {"table ranking drivers --format tsv", 0, "\n1\tNino Farina\tItalian\t1\t / 1950\t0\n"},
        {"table champions drivers --format tsv", 0,
         "1950\tNino Farina\tItalian\tAlfa Romeo\t1 gp\t0\n"},
        {"table points driver 'nino farina' --format tsv", 0, // letter case does not matter
         "Nino Farina  points by year\n2  record(s) found.\n"},
        {"table titles driver 'Nino Farina' --format tsv", 0,
         "\n1950\tNino Farina\tItalian\t30.00\t0\n"},
        {"table titles team Brabham", 1, "No team named Brabham"},
        {"table winners --format tsv", 0, "Winners\n3  record(s) found.\n"},
        {"table fastest-laps 1950", 0, "01:50.60"},
        {"table poles 1950", 0, "01:50.80"},
        // The driver analysis and the lists its count labels open.
        {"analyze Juan Manuel Fangio", 0,
         "  All GPs  :        3\n  Starts  :         2\n  Wins  :           1       %50\n"},
        {"analyze Nino Farina --season 1952", 0, "\nStatistics for 1952\n"}, // one season alone
        {"analyze Nobody", 1, "No driver named Nobody"},
        {"analyze", 64, "usage: qor-cli analyze NAME [--season YEAR]"},
        {"table starts Juan Manuel Fangio --format tsv", 0,
         "Juan Manuel Fangio     Starts\n2  record(s) found.\n"},
        {"table starts Juan Manuel Fangio --season 1951", 1,
         "Juan Manuel Fangio has no entry in 1951"},
        {"table retirements 'juan manuel fangio' dnq --format tsv", 0,
         "Juan Manuel Fangio     DNQ\n1  record(s) found.\n"},
        {"table retirements Juan Manuel Fangio DNQ --season 1950", 0,
         "Juan Manuel Fangio     DNQ (1950)\n"},
        {"table retirements DNQ", 1, "No driver named DNQ"}, // a lone word is the name
        {"table retirements", 1,
         "usage: qor-cli table retirements NAME [DNS|DNQ|DNPQ|Disq] [--season YEAR]"},
        // The table command's own arguments.
        {"table nosuch", 64, "qor-cli: unknown table 'nosuch'"},
        {"table winners --format pdf", 64, "qor-cli: unknown format 'pdf' (text, tsv or html)"},
    });
}

// The HTML page takes the theme, darkness and grid lines stored in the data file.
TEST_F(QorCli, GrandPrixAsTheHtmlPageInTheFilesTheme) {
    auto db = testing::MakeRecordDatabase();
    db->ColorTheme = 103;
    db->DarkLevel = 12;
    db->GridLineStyle = 1;
    Langs langs = testing::EnglishLangs();
    ResultGrid model(langs);
    model.ApplyZoom(1.0, 1000);
    testing::FillGPResultTable(model, *db, 1);
    const std::string page = BuildHtmlPage(
        CellStyleView{model.tablo1, model, SetColorTheme(103, 12, 1.0), 1, 0}, LanguageEnglish);
    Use(std::move(db));
    const auto r = Run("gp '10 Mar 1990' --format html");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, page);
    Check({{"gp '10 Mar 1990' --format pdf", 64, "qor-cli: --format takes text or html"},
           {"gp '10 Mar 1990' --format", 64, "qor-cli: --format takes text or html"},
           {"gp '10 Mar 1990' --format text", 0, "4  record(s) found."}});
}

TEST_F(QorCli, ResaveKeepsTheBytesAndLoadFailuresExitTwo) {
    Use(testing::MakeSmallDatabase());
    const std::string before = testing::ReadFileBytes(dir_.file("f1data5.dat"));
    Check({{"check", 0, "All rules hold.\n"}, {"resave", 0, "Saved "}});
    EXPECT_EQ(testing::ReadFileBytes(dir_.file("f1data5.dat")), before);

    testing::WriteFileBytes(dir_.file("f1data5.dat"), before.substr(0, before.size() - 3));
    Check({{"check", 2, "Corrupted data"}, {"table winners", 2, "Corrupted data"}});
    std::remove(dir_.file("f1data5.dat").c_str());
    Check({{"info", 2, "Data file not found"}, {"analyze Nino Farina", 2, "Data file not found"}});
}

// The record lists open on the first result of the subject and restriction, as the popups do.
TEST_F(QorCli, RecordListsOpenOnTheFirstMatchingResult) {
    Use(testing::MakeRecordDatabase());
    Check({
        {"table records driver 'Alan Able' races --format tsv", 0,
         "Alan Able   (All Records)\n5  record(s) found.\n"},
        {"table records driver 'Alan Able' races --year 1991 --format tsv", 0,
         "Alan Able     1991\n2  record(s) found.\n"},
        {"table records driver 'Alan Able' wins --team Blue --format tsv", 0,
         "Alan Able   &&   Blue   (Wins)\n1  record(s) found.\n"},
        {"table records driver 'Dave Dunn' fastest-laps --track Beta --format tsv", 0,
         "Beta - Dave Dunn   (Fastest Laps)\n1  record(s) found.\n"},
        {"table records team Red podiums --driver 'Alan Able' --format tsv", 0,
         "Alan Able   &&   Red   (Podiums   1-2-3)\n3  record(s) found.\n"},
        {"table records team Blue wins --track Beta --format tsv", 0,
         "Beta - Blue   (Wins)\n3  record(s) found.\n"},
        {"table records team Blue poles --year 1990 --format tsv", 0,
         "Blue     1990   (Pole Positions)\n1  record(s) found.\n"},
        {"table records track Alpha fastest-laps --format tsv", 0,
         "Alpha   (Fastest Laps)\n3  record(s) found.\n"},
        {"table races-results Alpha --format tsv", 0,
         "Alpha   (All Records)\n4  record(s) found.\n"},
        {"table records driver 'Alan Able' wins --year 1989", 1,
         "Alan Able has no result in 1989."},
        {"table records driver 'Alan Able' wins --year 1992", 1, "Year \"1992\" not found."},
        {"table records driver 'Carl Cole' races --team Red", 1,
         "Carl Cole has no result with Red."},
        {"table records team Red races --driver 'Carl Cole'", 1,
         "Red has no result with Carl Cole."},
        {"table records driver 'Alan Able' winners", 1,
         "Unknown list \"winners\" (races, wins, podiums, fastest-laps or poles)."},
        {"table records track Alpha races", 1,
         "A track has no races list; see races-results Alpha."},
        {"table records driver 'Alan Able' wins --year 1990 --team Red", 1,
         "Give at most one of --track, --year, --team, --driver."},
        {"table records driver 'Alan Able' wins --driver 'Dave Dunn'", 1,
         "--driver does not apply to a driver's records."},
        {"table records car 'Alan Able' wins", 1,
         "Unknown subject \"car\" (driver, team or track)."},
        {"table records driver 'Alan Able'", 1,
         "usage: records driver|team|track NAME races|wins|podiums|fastest-laps|poles "
         "[--track T | --year Y | --team T | --driver D]"},
    });
}

// --lang takes TR, EN or a file, looked for in the data folder only.
TEST_F(QorCli, LanguageOptionReadsTheFileFromTheDataFolder) {
    Use(testing::MakeSmallDatabase());
    std::filesystem::copy_file(std::filesystem::path(QOR_CLI).replace_filename("TR.dt"),
                               dir_.file("TR.dt"));
    testing::WriteFileBytes(dir_.file("XX.DT"), "9 XX help_XX.txt\r\nUno\r\n");
    Check({{"--lang TR strings", 0, "\n102\t\xC4\xB0sim\n"}, // İsim, in UTF-8
           {"--lang TR gp", 0, "Temmuz 1952"},
           {"--lang /elsewhere/XX.DT strings", 0, "1\tUno\n2\tStatistics\n"}});
}

// The shipped data beside the program: the windows' own commands and names beyond ASCII.
TEST_F(QorCli, ShippedData) {
    Check({
        {"toplist drivers", 0,
         "TOP LISTS - Drivers\n\nPoint\n  1. Michael Schumacher  1,369.00\n"
         "  2. Alain Prost           768.50\n"},
        {"toplist teams", 0, "Win\n  1. Ferrari   192\n"},
        {"tracks", 0,
         "Pist Statistics\nGPs:1980-todate,  Pists: 2000-todate\n\nBest Fastest Lap Owner\n"
         "Pist                  Driver                     Lap Time\n"
         "A1-Ring               Michael Schumacher         01:08.337"},
        {"teammates 'Michael Schumacher' ferrari", 0,
         "TeamMates of Michael Schumacher for Ferrari\n\n1996  Eddie Irvine\n"},
        {"teammates 'Michael Schumacher' McLaren", 1, "Michael Schumacher never drove for McLaren"},
        // Other spellings come from other_names.txt beside the data.
        {"find senn", 0, "Ayrton Senna [+] Ayrton Senna da Silva\n"},
        // The flag may stand anywhere without taking the next name as its value.
        {"table compare --vertical 'Michael Schumacher' 'Mika Häkkinen' --season 1998", 0,
         "Engine\n16  08 Mar 1998  Melbourne          Mika Häkkinen       McLaren  1"},
        // Side by side the key columns of the drivers' groups are not printed.
        {"table compare 'Michael Schumacher' 'mika häkkinen' --season 1998", 0,
         "16  08 Mar 1998  Melbourne          M. Schumacher  Ferrari        M. Häkkinen  McLaren  "
         "1\n"},
        {"table compare 'Michael Schumacher' 'Rubens Barrichello' --kind 10 --season 2002 "
         "--format tsv",
         0, " (Race) Michael Schumacher -- Rubens Barrichello( FL)\n5  record(s)"},
        {"table compare 'Michael Schumacher' --kind 1", 1, "Kind 1 compares two different drivers"},
        {"table compare 'Michael Schumacher' 'Mika Häkkinen' --kind 11", 1,
         "usage: qor-cli table compare NAME NAME... [--vertical] [--kind K --season Y]"},
        {"table records driver 'Kimi Räikkönen' wins --year 2005 --format tsv", 0,
         "Kimi Räikkönen     2005   (Wins)\n7  record(s) found.\n"},
        {"table records driver 'Kimi Räikkönen' wins --track 'Nürburgring'", 1,
         "Track \"Nürburgring\" not found. Did you mean Nurburgring?"},
    });
}

// A script of edits on a copy of the shipped data: each saves, the table shows them, the
// rules hold, and a refused edit leaves the file byte for byte as it was.
TEST_F(QorCli, EditScriptAddsAGrandPrixWithResults) {
    std::filesystem::copy_file(std::filesystem::path(QOR_CLI).parent_path() / "f1data5.dat",
                               dir_.file("f1data5.dat"));
    data_ = "--data '" + dir_.path() + "' ";
    const std::string add = "edit add-result '29 Oct 2006' ";
    Check({
        {"edit new-gp --name Portugal --date 29.10.2006 --track Estoril --laps 70", 0,
         "Added GP 29 Oct 2006 Portugal (Estoril)\nSaved "},
        {(add + "--driver 'Fernando Alonso' --team Renault --pos 1 --time '1 hr 31:05.1'").c_str(),
         0, "Fernando Alonso (Renault) 1. 1 hr 31:05.10\n"},
        {(add + "--driver 'Felipe Massa' --team Ferrari --pos 2 --time '+ 1:15.2'").c_str(), 0,
         "Felipe Massa (Ferrari) 2. + 01:15.20\n"},
        {(add + "--driver 'Kimi Räikkönen' --team McLaren --time 'lap 12' --notes Engine").c_str(),
         0, "(McLaren) lap 12 Engine\n"},
        {"table gp '29 Oct 2006'", 0, "3  Kimi Räikkönen   McLaren        lap 12"},
        {"check", 0, "All rules hold."},
    });
    const std::string saved = testing::ReadFileBytes(dir_.file("f1data5.dat"));
    Check({
        {"edit new-gp --name Monaco --date 30.10.2006", 1, "This GP is already exist"},
        {(add + "--driver 'Kimi Raikkonen' --team McLaren --time 'lap 3'").c_str(), 1,
         "Driver \"Kimi Raikkonen\" not found. Did you mean Kimi Räikkönen?"},
        {"edit delete-gp '16 Oct 2005'", 1, "Only GPs that belongs to last season can be update"},
        {"edit delete-result '29 Oct 2006' 2 --dry-run", 0, "Dry run: nothing saved"},
    });
    EXPECT_TRUE(testing::ReadFileBytes(dir_.file("f1data5.dat")) == saved);
}

// Unknown names get the closest known ones; bad dates are told apart from dates without a GP.
TEST_F(QorCli, UnknownNamesAndDatesSayWhatWouldDo) {
    Check({
        {"table records driver 'Ayrton Sena' wins", 1, // one letter missing
         "Driver \"Ayrton Sena\" not found. Did you mean Ayrton Senna?"},
        {"table records driver 'Nikki Lauda' races", 1, // one letter too many
         "Driver \"Nikki Lauda\" not found. Did you mean Niki Lauda?"},
        {"table records driver 'Rubens Goncalves Barrichello' wins", 1, // other_names.txt, nearly
         "Driver \"Rubens Goncalves Barrichello\" not found. Did you mean Rubens Barrichello?"},
        {"table records track Monaco wins", 1, // the name of the GP held there
         "Track \"Monaco\" not found. Did you mean Monte Carlo?"},
        {"table records team Ferary wins", 1, "Team \"Ferary\" not found. Did you mean Ferrari?"},
        {"table points driver 'Jackie Stuart'", 1,
         "No driver named Jackie Stuart. Did you mean Jackie Stewart?"},
        {"table records driver 'Xq Zzzzzz' wins", 1, "Driver \"Xq Zzzzzz\" not found."}, // no guess
        {"table gp 2006-10-22", 1,
         "\"2006-10-22\" is not a date; write it as day, month and year: 22 Oct 2006"},
        {"gp '22 Okt 2006'", 1, // no such month
         "\"22 Okt 2006\" is not a date; write it as day, month and year: 22 Oct 2006"},
        {"table gp '23 Oct 2006'", 1, "No Grand Prix on 23 Oct 2006"},
    });
}

} // namespace
} // namespace qor
