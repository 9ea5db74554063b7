// qor-cli gp DATE --format html: the page the HTML button writes.

#include "export/HtmlExport.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"
#include "support/Process.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

struct CliOutput {
    int status = -1;
    std::string out;
};

CliOutput CliStdout(const std::string& args) {
    const auto p = testing::RunProcess(std::string(QOR_CLI) + " " + args);
    return {p.status, p.out};
}

class CliHtml : public ::testing::Test {
  protected:
    void SetUp() override {
        db = testing::MakeSmallDatabase();
        testing::DatabaseBuilder b(*db);
        const auto monaco = db->FindTrack("Monte Carlo");
        const auto name = db->FindGP("Monaco");
        b.GP(2006, 5, 28, static_cast<std::uint8_t>(monaco), static_cast<std::uint8_t>(name), 78);
        b.Result(5, 1, 2, The_Class::ParseTime("1 hr 43:43.116"), 15, 1);
        b.Result(1, 2, 3, The_Class::ParseTime("+14.567"), db->FindReason("DNQ"), 4);
        db->ColorTheme = 103;
        db->DarkLevel = 12;
        db->GridLineStyle = 1;
        db->DataFileName = dir.file("f1data5.dat");
        db->NotesFileName = dir.file("f1notes5.dat");
        ASSERT_EQ(db->SaveDatabase(), 1);
    }
    std::string Data() const { return "--data '" + dir.path() + "'"; }
    testing::TempDir dir;
    std::unique_ptr<The_Class> db;
};

TEST_F(CliHtml, WritesThePageOfTheGPInTheFilesTheme) {
    const CliOutput r = CliStdout(Data() + " gp '28 May 2006' --format html");
    ASSERT_EQ(r.status, 0);
    Langs langs = testing::EnglishLangs();
    ResultGrid model(langs);
    model.ApplyZoom(1.0, 1000);
    testing::FillGPResultTable(model, *db, db->GPCount);
    const ThemePalette palette = SetColorTheme(103, 12, 1.0);
    EXPECT_EQ(r.out, BuildHtmlPage(CellStyleView{model.tablo1, model, palette, 1, 0}, 1));
    EXPECT_NE(r.out.find("<title>Monaco       Monte Carlo     28 May 2006</title>\r\n"),
              std::string::npos);
    EXPECT_NE(r.out.find(">Ayrton Senna</td>"), std::string::npos);
}

TEST_F(CliHtml, RefusesGPsBefore1980AndUnknownFormats) {
    EXPECT_EQ(CliStdout(Data() + " gp '13 May 1950' --format html").status, 1);
    EXPECT_EQ(CliStdout(Data() + " gp '28 May 2006' --format pdf").status, 64);
    EXPECT_EQ(CliStdout(Data() + " gp '28 May 2006' --format").status, 64);
    const CliOutput text = CliStdout(Data() + " gp '28 May 2006' --format text");
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("2  record(s) found."), std::string::npos);
}

} // namespace
} // namespace qor
