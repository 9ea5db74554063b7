// The run's language (--lang) and the strings command.

#include "CliContext.h"

#include "settings/IniFileSettings.h"
#include "text/Encoding.h"

#include <memory>
#include <ostream>

namespace qor::cli {

const Langs& CliContext::Language(std::ostream& err) {
    if (!langsLoaded_) {
        langsLoaded_ = true;
        std::uint8_t mode = dbLoaded_ ? db->LanguageMode : LanguageEnglish;
        // An option names its file for this run only; the database's own "other file" setting
        // lives in the user's settings file.
        std::unique_ptr<SettingsStore> settings;
        if (lang.empty()) {
            settings = std::make_unique<IniFileSettings>(IniFileSettings::DefaultPath());
        } else {
            settings = std::make_unique<MemorySettings>();
            const std::string code = AsciiLowerCase(lang);
            if (code == "tr") {
                mode = LanguageTurkish;
            } else if (code == "en") {
                mode = LanguageEnglish;
            } else {
                mode = LanguageOtherFile;
                settings->Write(setting::LanguageFile, ChosenLanguageFileName(lang));
            }
        }
        const LanguageLoadResult r = langs_.ApplyLanguage(mode, dataDir, *settings);
        if (r.FileWrong) {
            err << LanguageFileWrongMessage << "\n";
        } else if (r.Mode != mode && mode != LanguageEnglish && !lang.empty()) {
            // The program falls back silently; on the command line say why the texts are English.
            err << "qor-cli: no language file \"" << langs_.LanguageFileName << "\" in " << dataDir
                << "; English is used\n";
        }
    }
    if (dbLoaded_) db->LanguageMode = langs_.LanguageMode;
    return langs_;
}

int CmdStrings(CliContext& ctx, std::ostream& out, std::ostream& err) {
    const Langs& langs = ctx.Language(err);
    for (int s = 1; s <= DefaultStringCount; ++s)
        out << s << '\t' << Out(langs.Text(s)) << '\n';
    return 0;
}

} // namespace qor::cli
