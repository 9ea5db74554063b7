// The HTML page of a real table: the 2006 Brazilian Grand Prix of the shipped database.

#include "export/HtmlExport.h"
#include "mainwindow/GPBrowser.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace qor {
namespace {

TEST(ShippedPage, Brazil2006MatchesTheExpectedPageByteForByte) {
    The_Class db;
    db.DataPath = std::string(QOR_BIN_DIR) + "/";
    ASSERT_EQ(db.LoadDatabase("f1data5.dat", "f1notes5.dat", 1), 0) << db.LastError;
    db.LanguageMode = LanguageEnglish;
    const Langs langs = testing::EnglishLangs();
    ResultGrid model(langs);
    model.ApplyZoom(1.0, 1280);
    const std::uint16_t g = db.FindGPByDate("22 Oct 2006");
    ASSERT_NE(g, 0);
    FillGPResultsTable(model, db, g);
    const ThemePalette palette = SetColorTheme(0, 0, 1.0);
    const CellStyleView view{model.tablo1, model, palette, 1, 0};
    const std::string page = BuildHtmlPage(view, LanguageEnglish);

    const std::string name = HtmlFileName(model.tablo1.TitleLabel);
    EXPECT_EQ(name, "Brazil_Interlagos_22_October_2006.html");
    const std::string path = std::string(QOR_SOURCE_DIR) + "/tests/core/export/expected/" + name;
    // After a deliberate change of the page or the data, QOR_UPDATE_EXPECTED=1 rewrites the
    // expected file (to be reviewed before committing).
    if (std::getenv("QOR_UPDATE_EXPECTED")) testing::WriteFileBytes(path, page);
    const std::string expected = testing::ReadFileBytes(path);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(page, expected);
}

} // namespace
} // namespace qor
