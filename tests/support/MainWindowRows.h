#pragma once
// Tables and language files written the way the program writes them, for the tests.

#include "mainwindow/ResultGrid.h"

#include <map>
#include <string>
#include <vector>

namespace qor::testing {

using Rows = std::vector<std::vector<std::string>>;

// Lays tablo1 out (column count first, then the widths), writes titles and rows in order,
// then the count line, as every table producer does.
inline void FillRows(ResultGrid& model, const std::vector<int>& widths,
                     const std::vector<std::string>& titles, const Rows& rows) {
    model.SetTableColumns(widths);
    model.SetColumnTitles(titles);
    int r = 0;
    for (const auto& row : rows) {
        model.tablo1.SetRowCount(++r + 1);
        model.StartGridRow(r);
        for (const auto& c : row)
            model.AddGridCell(c);
    }
    model.tablo1kayitsayisi(static_cast<std::uint16_t>(r));
}

// A language file's bytes: the header, then slots 1..count, each "<prefix> <slot>" unless
// `texts` gives it, with CR LF line ends.
inline std::string LanguageFile(int count, const std::map<int, std::string>& texts = {},
                                const std::string& prefix = "T",
                                const std::string& header = "Turkce TR help_TR.txt") {
    std::string file = header + "\r\n";
    for (int s = 1; s <= count; ++s) {
        const auto it = texts.find(s);
        file += (it != texts.end() ? it->second : prefix + " " + std::to_string(s)) + "\r\n";
    }
    return file;
}

} // namespace qor::testing
