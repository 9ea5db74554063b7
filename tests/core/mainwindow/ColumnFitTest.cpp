// Column widths fitted to a drawing font wider than the one they were designed for: every
// width scaled, then widened to its texts, the page keeping the design.

#include "export/HtmlExport.h"
#include "mainwindow/CellStyle.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class ColumnFit : public ::testing::Test {
  protected:
    Langs langs = testing::EnglishLangs();
    ResultGrid model{langs};
    ThemePalette palette = SetColorTheme(0, 0, 1.0);

    // Number, name, time and key columns, `rows` rows; each character measures 7 pixels.
    void Fill(double measuredFactor, int rows, const char* name = "Ayrton Senna") {
        model.FontWidthFactor = [measuredFactor](double) { return measuredFactor; };
        model.MeasureText = [](const std::string& t, const CellFont&) {
            return 7 * static_cast<int>(t.size());
        };
        model.ApplyZoom(1.0, 1280);
        model.SetTableColumns({4, 25, 150, model.Widths.ColWTime, 0});
        model.SetColumnTitles({"", langs.Title(slot::Name), langs.Title(slot::Time), ""});
        for (int n = 1; n <= rows; ++n) {
            model.tablo1.SetRowCount(n + 1);
            model.StartGridRow(n);
            for (const char* cell : {"", name, "1:23.456", "7"})
                model.AddGridCell(*cell ? cell : std::to_string(n));
        }
        model.tablo1kayitsayisi(static_cast<std::uint16_t>(rows));
    }
    std::vector<int> Widths() {
        return {model.tablo1.ColWidth(0), model.tablo1.ColWidth(1), model.tablo1.ColWidth(2)};
    }
};

TEST_F(ColumnFit, WidthsGrowWithTheFontAndFitTheirTexts) {
    struct Case {
        double measured;
        int rows;
        const char* name;
        std::vector<int> widths;
        const char* why;
    };
    const Case cases[] = {
        {1.0, 99, "Ayrton Senna", {25, 150, 85}, "the design font: widths as designed"},
        {0.9, 99, "Ayrton Senna", {25, 150, 85}, "a narrower font keeps them"},
        {1.2, 99, "Ayrton Senna", {30, 180, 102}, "a wider font widens every column"},
        {1.0, 100, "Ayrton Senna", {26, 150, 85}, "\"100\" is 21 pixels: 2 in front, 3 behind"},
        {1.2, 1000, "Ayrton Senna", {33, 180, 102}, "scaled, then fitted"},
        {1.0, 9, "Robin Montgomerie-Charrington", {25, 211, 85}, "203 pixels: 5 in front"},
    };
    for (const Case& c : cases) {
        Fill(c.measured, c.rows, c.name);
        EXPECT_EQ(Widths(), c.widths) << c.why;
    }
}

TEST_F(ColumnFit, TimesAlignOnTheScaledStandardWidthAndThePageKeepsTheDesign) {
    Fill(1.2, 3);
    const CellStyleView view{model.tablo1, model, palette};
    const auto width = [](const std::string& t, const CellFont&) {
        return 7 * static_cast<int>(t.size());
    };
    // Right-aligned 5 pixels inside the scaled width of 102, not inside the design's 85.
    const CellStyle s = DecideCellStyle(view, 2, 1, false, {200, 0, 302, 18}, width);
    EXPECT_EQ(s.TextX, 200 + 102 - 56 - 5);
    const std::string page = BuildHtmlPage(view, 2);
    EXPECT_NE(page.find("<td nowrap width=\"155\""), std::string::npos) << page;
    EXPECT_NE(page.find("<td nowrap width=\"90\" align=right"), std::string::npos) << page;
}

} // namespace
} // namespace qor
