// `qor-cli table`: runs a registered table producer and prints the grid as text, TSV or HTML.

#include "TableCommand.h"

#include "CliContext.h"
#include "export/HtmlExport.h"
#include "mainwindow/ThemePalette.h"

#include <algorithm>
#include <ostream>

namespace qor::cli {
namespace {

std::vector<TableEntry>& Registry() {
    static std::vector<TableEntry> entries;
    return entries;
}

std::vector<std::string>& Flags() {
    static std::vector<std::string> flags;
    return flags;
}

bool IsFlag(const std::string& arg) {
    const auto& f = Flags();
    return arg.rfind("--", 0) == 0 && std::find(f.begin(), f.end(), arg.substr(2)) != f.end();
}

// Characters, not bytes, so that UTF-8 names line up.
std::size_t DisplayWidth(const std::string& utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

void PrintTsv(const GridTable& g, std::ostream& out) {
    out << Out(g.TitleLabel) << "\n" << Out(g.CountLabel) << "\n";
    for (int r = 0; r < g.RowCount(); ++r) {
        for (int c = 0; c < g.ColCount(); ++c)
            out << (c ? "\t" : "") << Out(g.Cell(c, r));
        out << "\n";
    }
}

} // namespace

// Aligned columns for reading: the key column (last) is left out, hidden rows too, and so are
// other columns of width 0 (the key columns inside a side-by-side comparison).
void PrintTableText(const GridTable& g, std::ostream& out) {
    const int cols = std::max(1, g.ColCount() - 1);
    std::vector<int> shown;
    for (int c = 0; c < cols; ++c)
        if (c == 0 || g.ColWidth(c) != 0) shown.push_back(c);
    std::vector<std::size_t> width(static_cast<std::size_t>(cols), 0);
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < cols; ++c)
            width[static_cast<std::size_t>(c)] =
                std::max(width[static_cast<std::size_t>(c)], DisplayWidth(Out(g.Cell(c, r))));
    if (!g.TitleLabel.empty()) out << Out(g.TitleLabel) << "\n\n";
    for (int r = 0; r < g.RowCount(); ++r) {
        if (r > 0 && g.RowHeight(r) == 0) continue;
        std::string line;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const int c = shown[i];
            const std::string cell = Out(g.Cell(c, r));
            line += cell;
            if (i + 1 < shown.size())
                line +=
                    std::string(width[static_cast<std::size_t>(c)] - DisplayWidth(cell) + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << "\n";
    }
    out << "\n" << Out(g.CountLabel) << "\n";
}

namespace {

void Usage(std::ostream& os) {
    os << "usage: qor-cli [--data DIR] [--lang TR|EN|FILE] table NAME ARGS... "
          "[--format text|tsv|html]\ntables:\n";
    for (const auto& e : Registry())
        os << "  " << e.usage << "\n";
}

} // namespace

void RegisterTable(TableEntry entry) {
    Registry().push_back(std::move(entry));
}
void RegisterTableFlag(std::string name) {
    Flags().push_back(std::move(name));
}
const std::vector<TableEntry>& RegisteredTables() {
    return Registry();
}

int CmdTable(CliContext& ctx, std::ostream& out, std::ostream& err) {
    TableRequest request;
    std::string format = "text";
    std::string name;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        const std::string& a = ctx.args[i];
        if (IsFlag(a)) {
            request.options[a.substr(2)] = "1";
        } else if (a.rfind("--", 0) == 0 && i + 1 < ctx.args.size()) {
            if (a == "--format")
                format = ctx.args[++i];
            else
                request.options[a.substr(2)] = ctx.args[++i];
        } else if (name.empty()) {
            name = a;
        } else {
            request.args.push_back(a);
        }
    }
    if (format != "text" && format != "tsv" && format != "html") {
        err << "qor-cli: unknown format '" << format << "' (text, tsv or html)\n";
        return 64;
    }
    const auto& entries = Registry();
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const TableEntry& e) { return e.name == name; });
    if (it == entries.end()) {
        if (!name.empty()) err << "qor-cli: unknown table '" << name << "'\n";
        Usage(err);
        return 64;
    }
    if (!ctx.Load(err)) return 2;
    const Langs& langs = ctx.Language(err);
    TableContext table(*ctx.db, langs);
    // A typical desktop: zoom 1, a screen wider than 1000 pixels.
    table.grid.ApplyZoom(1.0, 1280);
    const std::string error = it->fill(table, request);
    if (!error.empty()) {
        err << Out(error) << "\n";
        return 1;
    }
    const GridTable& g = table.grid.tablo1;
    if (format == "tsv") {
        PrintTsv(g, out);
    } else if (format == "text") {
        PrintTableText(g, out);
    } else {
        const ThemePalette palette = SetColorTheme(ctx.db->ColorTheme, ctx.db->DarkLevel, 1.0);
        const CellStyleView view{g, table.grid, palette, ctx.db->GridLineStyle,
                                 ctx.db->OddEvenRows};
        out << BuildHtmlPage(view, ctx.db->LanguageMode);
    }
    return 0;
}

} // namespace qor::cli
