#pragma once
// The usage-help text file, split into its sections.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// One section of the help text: a line beginning with "***[" and the lines after it.
struct HelpSection {
    std::string Title;     // the text between "***[" and the first "]"
    std::size_t TitleLine; // index of the title line in HelpText::Lines
    // The title line and the lines after it, up to (not including) the next line that
    // contains "***[" anywhere, or to the end of the file.
    std::vector<std::string> Lines;
};

// A help file (Windows-1254 bytes) as lines and sections.
struct HelpText {
    std::vector<std::string> Lines;
    std::vector<HelpSection> Sections;

    // Splits file contents into lines (CR LF, CR or LF) and sections.
    static HelpText Parse(std::string_view bytes);
    // Reads fileName from a folder, else from the installed copy (DataFilePath); a missing
    // file gives an empty text (no sections).
    static HelpText Load(const std::string& folder, const std::string& fileName);
};

} // namespace qor
