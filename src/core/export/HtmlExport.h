#pragma once
// The HTML page of the table in tablo1: the same colours as the screen, cell by cell, written
// into the folder "html" beside the program.

#include "mainwindow/CellStyle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

// Six upper-case hexadecimal digits RRGGBB.
std::string ColourToHex(Colour c);
// & < > and " as character references: table texts can come from other users.
std::string HtmlEscape(std::string_view text);
// The page's file name for a table title: runs of three, then two blanks (twice) become one,
// every blank and every folder separator "/" or "\" becomes "_", and ".html" is appended.
std::string HtmlFileName(std::string_view title);
// The style attributes of one cell, from the unselected screen style.
std::string HtmlCellStyle(const CellStyleView& view, int col, int row);
// The whole page (Windows-1254 bytes as the tables hold them, CR LF line ends) for the grid
// of the view with its labels. languageMode 0 (Turkish) declares charset windows-1254.
std::string BuildHtmlPage(const CellStyleView& view, std::uint8_t languageMode);

// How an export ended.
struct HtmlExportResult {
    enum class Outcome {
        Written,      // the page is in Path
        ButtonHidden, // the HTML button is hidden for this table: nothing was done
        Failed,       // the folder or the file could not be written (Message says which)
    };
    Outcome Status = Outcome::Failed;
    std::string Path;
    std::string Message;
};

// Writes the page of view.Grid into programFolder + "html/" (created when missing), replacing
// a page of the same name safely. The caller opens Path with the desktop's handler.
HtmlExportResult ExportHtml(const CellStyleView& view, std::uint8_t languageMode,
                            bool htmlButtonVisible, const std::string& programFolder);

} // namespace qor
