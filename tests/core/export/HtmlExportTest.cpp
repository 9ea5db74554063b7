// The HTML page of a table: byte-exact pages, and what they do not show (file names, widths,
// escaping, hidden rows, writing); and "copy to new table".

#include "export/HtmlExport.h"
#include "database/AtomicFile.h"
#include "export/TableCopy.h"
#include "mainwindow/GPBrowser.h"
#include "mainwindow/GridFilter.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace qor {
namespace {

using Outcome = HtmlExportResult::Outcome;
using testing::ReadFileBytes;

std::size_t Count(const std::string& s, const std::string& what) {
    std::size_t n = 0;
    for (auto p = s.find(what); p != std::string::npos; p = s.find(what, p + 1))
        ++n;
    return n;
}

// Compares a page with its expected file; QOR_UPDATE_EXPECTED=1 rewrites it (review the diff).
void ExpectPageFile(const std::string& page, const std::string& name) {
    const std::string path = std::string(QOR_SOURCE_DIR) + "/tests/core/export/expected/" + name;
    if (std::getenv("QOR_UPDATE_EXPECTED")) testing::WriteFileBytes(path, page);
    const std::string expected = ReadFileBytes(path);
    ASSERT_FALSE(expected.empty()) << path;
    EXPECT_EQ(page, expected);
}

// The 2006 Monaco Grand Prix (first rows of its classification), notes with markup.
std::unique_ptr<The_Class> MakeMonaco2006() {
    auto db = std::make_unique<The_Class>();
    testing::DatabaseBuilder b(*db);
    const auto track = b.Track("Monte Carlo");
    const auto name = b.GPName("Monaco");
    for (int i = 1; i <= 14; ++i)
        b.Reason("Reason " + std::to_string(i));
    const auto none = b.Reason("");
    const auto sg = b.Reason("S&G");
    const auto fl = b.Reason("FL");
    const auto heat = b.Reason("Heat shield <fire>");
    b.GP(2006, 5, 28, track, name, 78);
    const struct {
        const char *driver, *team, *time;
        std::uint8_t pos;
        std::uint16_t reason, grid;
    } rows[] = {{"Fernando Alonso", "Renault", "1 hr 43:43.116", 1, none, 1},
                {"Juan Pablo Montoya", "McLaren", "+14.567", 2, none, 4},
                {"David Coulthard", "Red Bull", "+52.298", 3, none, 7},
                {"Rubens Barrichello", "Honda", "+53.337", 4, sg, 5},
                {"Michael Schumacher", "Ferrari", "+53.830", 5, fl, 22},
                {"Kimi R\xE4ikk\xF6nen", "McLaren", "lap 50", 0, heat, 3}};
    for (const auto& r : rows) {
        const auto team = db->FindTeam(r.team) ? db->FindTeam(r.team) : b.Team(r.team);
        b.Result(b.Driver(r.driver), r.pos, static_cast<std::uint8_t>(team),
                 The_Class::ParseTime(r.time), r.reason, r.grid);
    }
    return db;
}

class HtmlExportTest : public ::testing::Test { // the Monaco table to export
  protected:
    std::unique_ptr<The_Class> db = MakeMonaco2006();
    Langs langs = testing::EnglishLangs();
    ResultGrid model{langs};
    ThemePalette palette = SetColorTheme(0, 0, 1.0);

    void SetUp() override {
        model.ApplyZoom(1.0, 1000);
        model.RightPanelLeft = 780;
        testing::FillGPResultTable(model, *db, 1);
    }
    CellStyleView View() const { return CellStyleView{model.tablo1, model, palette, 3, 0}; }
    std::string Page(std::uint8_t languageMode = LanguageEnglish) const {
        return BuildHtmlPage(View(), languageMode);
    }
    bool Has(const std::string& text) const { return Page().find(text) != std::string::npos; }
    HtmlExportResult Export(const testing::TempDir& dir) const {
        return ExportHtml(View(), LanguageEnglish, true, dir.path());
    }
};

TEST_F(HtmlExportTest, PagesMatchTheExpectedPagesByteForByte) {
    ExpectPageFile(Page(), "Monaco_Monte_Carlo_28_May_2006.html");

    The_Class shipped;
    shipped.DataPath = std::string(QOR_BIN_DIR) + "/";
    ASSERT_EQ(shipped.LoadDatabase("f1data5.dat", "f1notes5.dat", 1), 0) << shipped.LastError;
    ResultGrid grid(langs);
    grid.ApplyZoom(1.0, 1280);
    FillGPResultsTable(grid, shipped, shipped.FindGPByDate("22 Oct 2006"));
    const std::string name = HtmlFileName(grid.tablo1.TitleLabel);
    ExpectPageFile(BuildHtmlPage({grid.tablo1, grid, palette, 1, 0}, LanguageEnglish), name);
}

TEST_F(HtmlExportTest, CharsetWidthsAndEscapedTitles) {
    EXPECT_NE(Page(LanguageTurkish).find("content=\"text/html; charset=windows-1254\">"),
              std::string::npos);
    // The notes column was stretched by the width fill: written capped at 200 (+ 5), a years
    // column is not capped.
    EXPECT_TRUE(Has("<td nowrap width=\"205\"  style"));
    model.tablo1.SetCell(6, 0, langs.Title(slot::Years));
    EXPECT_TRUE(Has("<td nowrap width=\"375\"  style"));
    // Widths are converted back to zoom one: name 192 -> round(147.7) + 10 + 5 + 5.
    model.ApplyZoom(1.3, 1280);
    testing::FillGPResultTable(model, *db, 1);
    EXPECT_TRUE(Has("<td nowrap width=\"168\"  style"));
    model.tablo1.TitleLabel = "<script>alert(\"x\")</script> & co";
    EXPECT_TRUE(Has("<title>&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; co</title>"));
}

TEST_F(HtmlExportTest, HiddenRowsAndTheKeyColumnAreLeftOut) {
    GridFilter filter(model.Roles());
    ASSERT_TRUE(filter.Open(model.tablo1, 2, 0));
    filter.Apply(3); // McLaren
    EXPECT_TRUE(Has("6  record(s) found.&nbsp;&nbsp;&nbsp;(2) McLaren</font>"));
    const std::string page = Page();
    // The title row and the two McLaren rows, seven cells each: the key column is left out.
    EXPECT_EQ(Count(page, "<td"), 3u * 7);
}

TEST_F(HtmlExportTest, ExportWritesOrReplacesThePageInTheHtmlFolder) {
    testing::TempDir dir;
    EXPECT_EQ(ExportHtml(View(), 1, false, dir.path()).Status, Outcome::ButtonHidden);
    const auto r = Export(dir);
    ASSERT_EQ(r.Status, Outcome::Written) << r.Message;
    EXPECT_EQ(r.Path, dir.path() + "html/Monaco_Monte_Carlo_28_May_2006.html");
    model.tablo1.SetCell(1, 1, "Someone Else");
    ASSERT_EQ(Export(dir).Status, Outcome::Written);
    // A write that fails leaves the earlier page as it was.
    AtomicFile::FailAfterOperations(1);
    model.tablo1.SetCell(1, 1, "Third");
    EXPECT_EQ(Export(dir).Status, Outcome::Failed);
    AtomicFile::FailAfterOperations(0);
    EXPECT_EQ(Count(ReadFileBytes(r.Path), "Someone Else"), 1u);
    // A title cannot lead out of the folder.
    model.tablo1.TitleLabel = "../..\\escape";
    EXPECT_EQ(Export(dir).Path, dir.path() + "html/.._.._escape.html");
    // A folder that cannot be made.
    testing::TempDir blocked;
    testing::WriteFileBytes(blocked.file("html"), "x");
    EXPECT_EQ(Export(blocked).Status, Outcome::Failed);
}

TEST(TableCopyTest, SecondTableGetsEverythingTheFirstShows) {
    auto db = testing::MakeSmallDatabase();
    Langs langs = testing::EnglishLangs();
    ResultGrid model{langs};
    NavigationHistory history;
    history.menuekle(0, 0, 1, [] { FAIL() << "copying runs no table command"; });
    history.menuekle(2, 3, 1, [] { FAIL() << "copying runs no table command"; });
    history.SetHistoryCaption("GP");
    testing::FillGPResultTable(model, *db, 1);
    model.tablo1.Tag = GridTagHorizontalCompare;
    model.tablo1.SetColWidth(2, 99);
    GridFilter filter(model.Roles());
    ASSERT_TRUE(filter.Open(model.tablo1, 2, 0));
    filter.Apply(1); // "Alfa Romeo": the ERA row is hidden
    model.tablo2.TopRow = 3;
    // Everything a table shows: layout, cells, row heights, labels, tag, top row.
    const auto shown = [](const GridTable& g) {
        std::string d = g.TitleLabel + "|" + g.CountLabel + "|" + g.FilterLabel + "|" +
                        std::to_string(g.Tag) + "|" + std::to_string(g.TopRow) + "\n";
        for (int r = 0; r < g.RowCount(); ++r, d += "\n")
            for (int c = 0; c < g.ColCount(); ++c)
                d += g.Cell(c, r) + "/" + std::to_string(g.ColWidth(c)) + "/" +
                     std::to_string(g.RowHeight(r)) + "|";
        return d;
    };
    model.tablo1.TopRow = 1;
    EXPECT_TRUE(CopyToNewTable(model, history));
    EXPECT_TRUE(model.SecondTableVisible && model.tablo2.Visible);
    EXPECT_EQ(shown(model.tablo2), shown(model.tablo1));
    EXPECT_EQ(model.tablo2.FilterLabel, "(3) Alfa Romeo");
    EXPECT_EQ(
        std::make_tuple(history.Entry(0).Kind, history.Entry(0).Value1, history.Entry(0).Caption),
        std::make_tuple(1, 2, std::string("GP")));
    // A second copy into the open panel: the table again, no new layout.
    testing::FillGPResultTable(model, *db, 2);
    EXPECT_FALSE(CopyToNewTable(model, history));
    EXPECT_EQ(shown(model.tablo2), shown(model.tablo1));
    CloseSecondTable(model, history);
    EXPECT_EQ(history.Entry(0).Kind, 0);
}

} // namespace
} // namespace qor
