// The import commands: import-diff (the lists of the import window) and import (take GPs over).

#include "CliContext.h"

#include "database/Import.h"
#include "text/Encoding.h"

#include <ostream>

namespace qor::cli {
namespace {

// Opens the session on the file named by the first argument; prints why it cannot and
// returns the exit code, or -1 when the lists are ready.
int OpenSession(CliContext& ctx, ImportSession& session, std::ostream& err) {
    if (ctx.args.empty()) {
        err << "usage: qor-cli import-diff OLDFILE | import OLDFILE DATE...\n";
        return 64;
    }
    switch (session.Open(ctx.args[0])) {
    case ImportSession::OpenResult::Opened:
        return -1;
    case ImportSession::OpenResult::NotImportable:
        err << "Only files named f1data4.dat or f1data5.dat can be imported\n";
        return 1;
    case ImportSession::OpenResult::SameFile:
        err << session.Message() << "\n";
        return 1;
    case ImportSession::OpenResult::LoadFailed:
        err << Out(session.Message()) << "\n";
        return 2;
    case ImportSession::OpenResult::NothingToImport:
        return 0;
    }
    return 1;
}

void PrintList(std::ostream& out, const std::vector<ImportItem>& items) {
    for (const ImportItem& item : items)
        out << (item.IsGP() ? "  " : "") << Out(item.text) << "\n";
}

// The index in the old list of the year ("2006") or GP (a date text) an argument names.
std::ptrdiff_t FindItem(const ImportSession& session, const The_Class& db, const std::string& arg) {
    const auto& items = session.OldItems();
    const bool isYear = arg.size() == 4 && arg.find_first_not_of("0123456789") == std::string::npos;
    const std::uint16_t date = isYear ? 0 : db.ParseDate(Utf8ToCp1254(arg));
    for (std::size_t i = 0; i < items.size(); ++i)
        if (isYear ? (!items[i].IsGP() && items[i].text == arg)
                   : (items[i].IsGP() && date != 0 && items[i].date == date))
            return static_cast<std::ptrdiff_t>(i);
    return -1;
}

} // namespace

int CmdImportDiff(CliContext& ctx, std::ostream& out, std::ostream& err) {
    if (!ctx.Load(err)) return 2;
    ImportSession session(*ctx.db);
    if (const int rc = OpenSession(ctx, session, err); rc >= 0) return rc;
    out << "Old Data:   " << session.OldPath() << "\n";
    PrintList(out, session.OldItems());
    out << "\nSelected GPs\n";
    PrintList(out, session.SelectedItems());
    return 0;
}

int CmdImport(CliContext& ctx, std::ostream& out, std::ostream& err) {
    if (!ctx.Load(err)) return 2;
    ImportSession session(*ctx.db);
    if (const int rc = OpenSession(ctx, session, err); rc >= 0) return rc;
    if (ctx.args.size() < 2) {
        err << "Name the GPs to import (a date such as \"22 Oct 2006\", or a year)\n";
        return 64;
    }
    for (std::size_t a = 1; a < ctx.args.size(); ++a) {
        const std::ptrdiff_t i = FindItem(session, *ctx.db, ctx.args[a]);
        if (i < 0) {
            err << "Not listed for import (no such GP or no difference): " << ctx.args[a] << "\n";
            return 1;
        }
        session.MoveFromOld(static_cast<std::size_t>(i));
    }
    const auto outcome = session.ImportSelected();
    for (const ImportedGP& gp : outcome) {
        if (gp.added)
            out << "Imported " << Out(gp.text) << " with " << gp.resultCount << " result(s)"
                << (gp.replaced ? ", replacing the current version" : "") << "\n";
        else
            out << "Not imported " << Out(gp.text)
                << ": no room or its season is not open; the database keeps its version\n";
    }
    if (!ImportSession::AnyAdded(outcome)) {
        err << "No GP imported.\n";
        return 1;
    }
    out << ImportSession::CompletedMessage << "\n";
    if (ctx.db->SaveDatabase() != 1) {
        err << "Write error. Possibly, readonly file.\n";
        return 1;
    }
    out << "Saved " << ctx.db->DataFileName << "\n";
    return 0;
}

} // namespace qor::cli
