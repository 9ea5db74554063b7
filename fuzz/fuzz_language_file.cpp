// Fuzzes the language file loader and the help text splitter with arbitrary file contents.

#include "lang/HelpText.h"
#include "lang/Langs.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    qor::Langs langs;
    const auto r = langs.ApplyLanguageFile(qor::LanguageTurkish, "TR.dt", &bytes);
    // Either the file is taken with a language code, or English is back in place.
    if (r.Mode == qor::LanguageTurkish) {
        if (r.FileWrong || langs.LanguageCode.empty() || langs.LanguageId.empty()) std::abort();
    } else if (r.Mode != qor::LanguageEnglish || langs.LanguageCode != "EN" ||
               langs.Text(1) != "History") {
        std::abort();
    }
    if (langs.HelpFileName.empty() || langs.Title(qor::slot::Name).front() != ' ') std::abort();

    const auto help = qor::HelpText::Parse(bytes);
    for (const auto& s : help.Sections)
        if (s.Lines.empty() || s.TitleLine >= help.Lines.size()) std::abort();
    return 0;
}
