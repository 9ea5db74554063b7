#pragma once
// `qor-cli table NAME ARGS...`: the registry of printable tables and their output formats.

#include "mainwindow/MainState.h"

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace qor::cli {

// The arguments of one table request: positional arguments after NAME, and --key value options
// other than the global ones (--data, --lang, --format).
struct TableRequest {
    std::vector<std::string> args;
    std::map<std::string, std::string> options;
};

// Fills ctx.grid.tablo1 (and its labels) for the request. Returns the empty text on success,
// otherwise a message naming what was not found (printed on stderr, exit 1).
using TableFill = std::function<std::string(TableContext& ctx, const TableRequest& request)>;

struct TableEntry {
    std::string name;  // first word after "table", e.g. "standings"
    std::string usage; // e.g. "standings drivers|teams YEAR"
    TableFill fill;
};

void RegisterTable(TableEntry entry);
const std::vector<TableEntry>& RegisteredTables();
// An option that takes no value ("--vertical"); it is passed in options with the value "1".
void RegisterTableFlag(std::string name);

// The text output of a table: title, aligned columns without the key column, count label.
void PrintTableText(const GridTable& grid, std::ostream& out);
struct CliContext;
// GP g as the browser shows it: the table's text output, then the information panel.
int PrintGPText(CliContext& ctx, int g, std::ostream& out, std::ostream& err);

// Registers tables at start-up: `static TableRegistrar r({...});` in a source file of src/cli.
struct TableRegistrar {
    explicit TableRegistrar(std::vector<TableEntry> entries) {
        for (auto& e : entries)
            RegisterTable(std::move(e));
    }
};

} // namespace qor::cli
