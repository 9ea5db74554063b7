// Cell styling of a screenful of the result grid, and the HTML page of a long table.

#include "export/HtmlExport.h"
#include "support/GridFixtures.h"

#include <benchmark/benchmark.h>

namespace {

using namespace qor;

// A 1000-row record list: number, date, track, name, team, pos, time, key.
void FillLongTable(ResultGrid& model) {
    const Langs& l = model.Texts();
    model.SetTableColumns({8, 25, 85, 100, 140, 80, 30, 75, 0});
    model.SetColumnTitles({"", l.Title(slot::Date), l.Title(slot::Track), l.Title(slot::Name),
                           l.Title(slot::Team), l.Title(slot::Pos), l.Title(slot::Time), ""});
    for (int n = 1; n <= 1000; ++n) {
        model.tablo1.SetRowCount(n + 1);
        model.StartGridRow(n);
        for (const std::string& c :
             {std::to_string(n), std::string("13 Nov 1988"), std::string("Adelaide"),
              std::string("Ayrton Senna"), std::string("McLaren"), std::string("2"),
              std::string("+ 36.787"), std::to_string(n)})
            model.AddGridCell(c);
    }
    model.tablo1kayitsayisi(1000);
}

void BM_CellStyleScreen(benchmark::State& state) {
    Langs langs = testing::EnglishLangs();
    ResultGrid model(langs);
    FillLongTable(model);
    model.HighlightName = "Ayrton Senna";
    const ThemePalette palette = SetColorTheme(101, 12, 1.0);
    const CellStyleView view{model.tablo1, model, palette, 3, 0};
    const TextWidthFn width = [](const std::string& t, const CellFont&) {
        return static_cast<int>(t.size()) * 6;
    };
    for (auto _ : state) {
        // One repaint of 40 visible rows.
        for (int r = 0; r <= 40; ++r)
            for (int c = 0; c < 8; ++c) {
                const CellStyle s =
                    DecideCellStyle(view, c, r, r == 5, {0, r * 18, 100, r * 18 + 18}, width);
                benchmark::DoNotOptimize(s.Brush);
            }
    }
}
BENCHMARK(BM_CellStyleScreen);

void BM_HtmlPageOf1000Rows(benchmark::State& state) {
    Langs langs = testing::EnglishLangs();
    ResultGrid model(langs);
    FillLongTable(model);
    const ThemePalette palette = SetColorTheme(0, 0, 1.0);
    const CellStyleView view{model.tablo1, model, palette, 0, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildHtmlPage(view, 1));
}
BENCHMARK(BM_HtmlPageOf1000Rows);

} // namespace
