// qor-cli: the database's tables and checks from the command line.

#include "CliContext.h"

#include "settings/DataFolder.h"

#include <cstring>
#include <iostream>
#include <map>

namespace {

void Usage(std::ostream& os) {
    os << "usage: qor-cli [--data DIR] [--lang TR|EN|FILE] COMMAND [ARGS...]\n"
          "  --data DIR  folder of f1data5.dat and the language files (default: the program's\n"
          "              own folder in a build, else ~/.local/share/Qor)\n"
          "commands:\n"
          "  info        counters, last year and view settings of the database\n"
          "  check       report every broken structural rule (exit 1 when any)\n"
          "  resave      load and save the database again\n"
          "  gp DATE     classification of one Grand Prix, e.g. gp \"22 Oct 2006\"\n"
          "              (--format html: the page the HTML button writes, Windows-1254)\n"
          "  strings     the string table's slots 1..222 in the chosen language\n"
          "  import-diff OLDFILE      GPs of an older f1data4.dat/f1data5.dat that differ\n"
          "  import OLDFILE DATE...   take those GPs (dates or years) over and save\n"
          "  table NAME ARGS... [--format text|tsv|html]   any table (qor-cli table lists them)\n"
          "  analyze NAME [--season YEAR]   a driver's statistics, every figure of the frame\n"
          "  toplist drivers|teams    the all-time top three in five categories\n"
          "  tracks      best laps and most successful drivers per track (since 1980)\n"
          "  teammates DRIVER TEAM    the driver's team-mates season by season\n"
          "  edit OPERATION ARGS...   change a GP or result of the last season and save\n"
          "              (qor-cli edit lists the operations; --dry-run saves nothing)\n"
          "  find TEXT   drivers whose name or other spelling holds the text (Find Name)\n"
          "  online [--web-host HOST[:PORT]] [--session FILE] register USER EMAIL [--news]\n"
          "         | login USER PASSWORD | passwd OLD NEW | news\n"
          "              the online account and the news check (exit 0 accepted, 1 refused,\n"
          "              2 transport failure); the session file keeps the log-in\n"
          "  (none)      classification of the last Grand Prix of the last season\n";
}

} // namespace

int main(int argc, char** argv) {
    using namespace qor::cli;
    CliContext ctx;
    std::string dataArg;
    std::string command;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--data" && i + 1 < argc) {
            dataArg = argv[++i];
        } else if (a == "--lang" && i + 1 < argc) {
            ctx.lang = argv[++i];
        } else if (a == "--help" || a == "-h") {
            Usage(std::cout);
            return 0;
        } else if (command.empty()) {
            command = a;
        } else {
            ctx.args.push_back(a);
        }
    }
    using Handler = int (*)(CliContext&, std::ostream&, std::ostream&);
    const std::map<std::string, Handler> commands = {
        {"info", CmdInfo},       {"check", CmdCheck},     {"resave", CmdResave},
        {"gp", CmdGP},           {"strings", CmdStrings}, {"import-diff", CmdImportDiff},
        {"import", CmdImport},   {"table", CmdTable},     {"analyze", CmdAnalyze},
        {"toplist", CmdTopList}, {"tracks", CmdTracks},   {"teammates", CmdTeamMates},
        {"edit", CmdEdit},       {"find", CmdFind},       {"online", CmdOnline}};
    const auto it = commands.find(command);
    if (!command.empty() && it == commands.end()) {
        std::cerr << "qor-cli: unknown command '" << command << "'\n";
        Usage(std::cerr);
        return 64;
    }
    const qor::DataFolderChoice folder = qor::ChooseDataFolder(dataArg);
    if (!folder.Error.empty()) {
        std::cerr << "qor-cli: " << folder.Error << "\n";
        return 2;
    }
    ctx.dataDir = folder.Folder;
    if (command.empty()) return CmdGP(ctx, std::cout, std::cerr);
    return it->second(ctx, std::cout, std::cerr);
}
