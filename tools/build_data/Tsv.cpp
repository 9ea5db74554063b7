// Reading tab-separated tables.

#include "Tsv.h"

#include "BuildError.h"

#include <fstream>
#include <sstream>

namespace qor::tools {
namespace {

std::vector<std::string> SplitTabs(std::string_view line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        cells.emplace_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) return cells;
        start = tab + 1;
    }
}

} // namespace

TsvTable TsvTable::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw BuildError("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return Parse(text.str(), path);
}

TsvTable TsvTable::Parse(std::string_view text, const std::string& source) {
    TsvTable t;
    t.source_ = source;
    std::size_t start = 0;
    bool header = true;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        auto cells = SplitTabs(line);
        if (header) {
            t.header_ = std::move(cells);
            header = false;
        } else {
            if (cells.size() > t.header_.size())
                throw BuildError(source + ": row " + std::to_string(t.rows_.size() + 1) +
                                 " has more cells than the header");
            t.rows_.push_back(std::move(cells));
        }
    }
    if (header) throw BuildError(source + ": no header line");
    return t;
}

std::size_t TsvTable::Column(std::string_view name) const {
    for (std::size_t i = 0; i < header_.size(); ++i)
        if (header_[i] == name) return i;
    throw BuildError(source_ + ": no column " + std::string(name));
}

const std::string& TsvTable::Cell(std::size_t row, std::size_t column) const {
    static const std::string empty;
    const auto& cells = rows_.at(row);
    return column < cells.size() ? cells[column] : empty;
}

} // namespace qor::tools
