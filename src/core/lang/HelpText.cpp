#include "lang/HelpText.h"

#include "database/AtomicFile.h"
#include "settings/DataFolder.h"
#include "text/TextLines.h"

namespace qor {
namespace {

constexpr std::string_view kMarker = "***[";

std::string SectionTitle(std::string_view line) {
    std::string_view rest = line.substr(kMarker.size());
    // A title line without "]" keeps its whole rest as the title rather than none.
    const auto close = rest.find(']');
    return std::string(close == std::string_view::npos ? rest : rest.substr(0, close));
}

} // namespace

HelpText HelpText::Parse(std::string_view bytes) {
    HelpText help;
    help.Lines = SplitLines(bytes);
    const auto& lines = help.Lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!std::string_view(lines[i]).starts_with(kMarker)) continue;
        HelpSection section{SectionTitle(lines[i]), i, {lines[i]}};
        for (std::size_t k = i + 1; k < lines.size(); ++k) {
            if (lines[k].find(kMarker) != std::string::npos) break;
            section.Lines.push_back(lines[k]);
        }
        help.Sections.push_back(std::move(section));
    }
    return help;
}

HelpText HelpText::Load(const std::string& folder, const std::string& fileName) {
    const std::string path = DataFilePath(folder, fileName);
    std::vector<std::uint8_t> raw;
    if (fileName.empty() || !FileExists(path) || !ReadWholeFile(path, raw)) return {};
    return Parse(std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()));
}

} // namespace qor
