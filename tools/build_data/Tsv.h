#pragma once
// A tab-separated table with a header line, as the F1DB extract is given.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor::tools {

// The rows of one .tsv file; cells are addressed by row number and column name.
class TsvTable {
  public:
    // Reads `path`; throws BuildError when it is missing or malformed.
    static TsvTable Load(const std::string& path);
    // Parses text ('\n' or "\r\n" line ends, empty lines skipped); throws BuildError naming
    // `source` when a row has more cells than the header.
    static TsvTable Parse(std::string_view text, const std::string& source);

    std::size_t size() const { return rows_.size(); }
    // Index of a column; throws BuildError when the table has no such column.
    std::size_t Column(std::string_view name) const;
    // One cell (rows shorter than the header read as empty cells).
    const std::string& Cell(std::size_t row, std::size_t column) const;
    const std::string& Cell(std::size_t row, std::string_view column) const {
        return Cell(row, Column(column));
    }
    const std::string& Source() const { return source_; }

  private:
    std::string source_;
    std::vector<std::string> header_;
    std::vector<std::vector<std::string>> rows_;
};

} // namespace qor::tools
