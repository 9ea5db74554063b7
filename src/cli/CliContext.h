#pragma once
// Shared state of one qor-cli run: options, the loaded database and output helpers.

#include "database/STheClass.h"
#include "lang/Langs.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace qor::cli {

// Options and database of one command-line run.
struct CliContext {
    std::string dataDir;           // the data folder, ending in '/'
    std::vector<std::string> args; // the command's own arguments
    std::unique_ptr<The_Class> db = std::make_unique<The_Class>();
    // --lang: "TR", "EN" or a language file name; empty means the database's own setting.
    std::string lang;

    // Loads f1data5.dat / f1notes5.dat from dataDir; prints the load message and
    // returns false on failure. With --lang the run's language is applied at once.
    bool Load(std::ostream& err);
    // The string table of the run's language (--lang, else the loaded database's setting,
    // else English), loaded from dataDir on first use. The loaded database's LanguageMode
    // follows the language in effect, so dates match the texts.
    const Langs& Language(std::ostream& err);

  private:
    Langs langs_;
    bool langsLoaded_ = false;
    bool dbLoaded_ = false;
};

// Database text (Windows-1254) for the terminal (UTF-8).
std::string Out(const std::string& cp1254);

int CmdInfo(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdCheck(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdResave(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdGP(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdStrings(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdImportDiff(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdImport(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdTable(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdAnalyze(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdTopList(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdTracks(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdTeamMates(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdEdit(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdFind(CliContext& ctx, std::ostream& out, std::ostream& err);
int CmdOnline(CliContext& ctx, std::ostream& out, std::ostream& err);

// Removes "--format text|html" from the arguments into format; false (with a message) when
// the value is missing or unknown.
bool TakeFormatOption(std::vector<std::string>& args, std::string& format, std::ostream& err);
// The HTML page of GP g, as the HTML button writes it.
int PrintGPPage(CliContext& ctx, int g, std::ostream& out, std::ostream& err);

} // namespace qor::cli
