// qor-cli find TEXT: the lines the Find Name window lists for a search text.

#include "CliContext.h"

#include "dialogs/FindName.h"
#include "text/Encoding.h"

#include <ostream>

namespace qor::cli {

int CmdFind(CliContext& ctx, std::ostream& out, std::ostream& err) {
    if (ctx.args.size() != 1) {
        err << "usage: qor-cli find TEXT\n";
        return 1;
    }
    if (!ctx.Load(err)) return 2;
    for (const std::string& line : FindNameList(*ctx.db, Utf8ToCp1254(ctx.args[0])))
        out << Out(line) << "\n";
    return 0;
}

} // namespace qor::cli
