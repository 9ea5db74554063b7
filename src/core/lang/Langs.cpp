#include "lang/Langs.h"

#include "database/AtomicFile.h"
#include "settings/DataFolder.h"
#include "settings/SettingsStore.h"
#include "text/Encoding.h"
#include "text/TextLines.h"

namespace qor {
namespace {

// Text before the first blank; the rest after that blank is left in `rest`. Without a blank
// the token is empty and `rest` stays whole, as the header rules expect.
std::string TakeToken(std::string_view& rest) {
    const auto blank = rest.find(' ');
    if (blank == std::string_view::npos) return {};
    std::string token(rest.substr(0, blank));
    rest.remove_prefix(blank + 1);
    return token;
}

bool IsColumnTitle(int s) {
    return s >= slot::ColumnTitlesFirst && s <= slot::ColumnTitlesLast;
}

// The named message texts and the slots they copy.
const std::pair<int, std::string Langs::*> kMessages[] = {
    {184, &Langs::MsgFirstSelectRace},
    {185, &Langs::MsgOnlyLastSeason},
    {186, &Langs::MsgNoGPInYear},
    {187, &Langs::MsgSelectRecordToUpdate},
    {188, &Langs::MsgWriteError},
    {189, &Langs::MsgSelectRecordToDelete},
    {190, &Langs::MsgNoGPDeleted},
    {191, &Langs::MsgConnectionBusy},
    {192, &Langs::MsgImportCompleted},
    {193, &Langs::MsgSameFileSelected},
    {194, &Langs::MsgRestartProgram},
    {195, &Langs::MsgShareResultLater},
    {196, &Langs::MsgConfirmDeleteRace},
    {197, &Langs::MsgConfirmDeleteRecord},
    {198, &Langs::MsgExitWithoutSave},
    {199, &Langs::MsgQueryingUpdates},
    {202, &Langs::MsgWriteOrRateFirst},
    {203, &Langs::MsgRatingNeedsLogin},
    {204, &Langs::MsgSeeReviewsHelp},
    {205, &Langs::MsgCharacterNotAllowed},
    {206, &Langs::MsgConfirmDeleteMessage},
    {207, &Langs::MsgSendingMessage},
    {208, &Langs::MsgMessagesTotal},
    {209, &Langs::MsgPage},
    {210, &Langs::MsgPageUpper},
    {211, &Langs::MsgCompleted},
    {212, &Langs::MsgGettingReviews},
    {213, &Langs::MsgCommunicationCompleted},
    {214, &Langs::MsgServerNotAvailable},
    {215, &Langs::MsgPasswordRepeatWrong},
    {217, &Langs::MsgWaiting},
    {218, &Langs::MsgOk},
    {219, &Langs::MsgLoginBeforePassword},
    {220, &Langs::MsgInsertRecord},
    {221, &Langs::MsgUpdateRecord},
    {222, &Langs::MsgComparingDrivers},
};

} // namespace

// A new table holds the built-in English texts, so that no window ever shows empty captions.
Langs::Langs() {
    LoadEnglish();
    CopyNamedTexts();
}

const std::string& Langs::Text(int s) const {
    static const std::string empty;
    return s >= 1 && s <= StringSlotCount ? table_[static_cast<std::size_t>(s)] : empty;
}

const std::string& Langs::Title(int s) const {
    if (s < slot::TitlesFirst || s > slot::TitlesLast) return Text(s);
    return titles_[static_cast<std::size_t>(s - slot::TitlesFirst)];
}

LanguageLoadResult Langs::ApplyLanguage(std::uint8_t mode, const std::string& programFolder,
                                        const SettingsStore& settings) {
    std::string name;
    if (mode == LanguageTurkish)
        name = TurkishLanguageFile;
    else if (mode == LanguageOtherFile)
        // The setting holds a bare name; a folder part in it must not lead outside the
        // program folder.
        name = ChosenLanguageFileName(settings.Read(setting::LanguageFile).value_or(""));

    std::string bytes;
    bool haveFile = false;
    if (!name.empty()) {
        const std::string path = DataFilePath(programFolder, name);
        std::vector<std::uint8_t> raw;
        if (FileExists(path) && ReadWholeFile(path, raw)) {
            bytes.assign(raw.begin(), raw.end());
            haveFile = true;
        }
    }
    return ApplyLanguageFile(mode, name, haveFile ? &bytes : nullptr);
}

LanguageLoadResult Langs::ApplyLanguageFile(std::uint8_t mode, const std::string& fileName,
                                            const std::string* fileBytes) {
    LanguageLoadResult result;
    const bool wantsFile = mode == LanguageTurkish || mode == LanguageOtherFile;
    LanguageMode = wantsFile ? mode : LanguageEnglish;
    LanguageFileName = wantsFile ? fileName : std::string();

    std::vector<std::string> lines;
    if (LanguageMode != LanguageEnglish && fileBytes) lines = SplitLines(*fileBytes);
    // A missing or empty file is no error: the program simply speaks English.
    if (lines.empty()) LanguageMode = LanguageEnglish;

    if (LanguageMode != LanguageEnglish) {
        std::string_view header = lines.front();
        LanguageCode.clear();
        LanguageId = TakeToken(header);
        const std::string code = TakeToken(header);
        const auto blank = header.find(' ');
        HelpFileName =
            std::string(blank == std::string_view::npos ? header : header.substr(0, blank));
        for (char c : code)
            LanguageCode += std::to_string(static_cast<unsigned char>(c));

        if (lines.size() > static_cast<std::size_t>(MaxLanguageFileLines) || LanguageId.empty() ||
            LanguageCode.empty()) {
            LanguageMode = LanguageEnglish;
            result.FileWrong = true;
        } else {
            // Slots the file does not reach keep what they held before.
            for (std::size_t k = 1; k < lines.size(); ++k)
                table_[k] = std::move(lines[k]);
        }
    }
    if (HelpFileName.empty()) HelpFileName = EnglishHelpFile;
    if (LanguageMode == LanguageEnglish) LoadEnglish();

    CopyNamedTexts();
    result.Mode = LanguageMode;
    return result;
}

void Langs::LoadEnglish() {
    HelpFileName = EnglishHelpFile;
    LanguageId = "1";
    LanguageCode = "EN";
    for (int s = 1; s <= DefaultStringCount; ++s)
        table_[static_cast<std::size_t>(s)] =
            std::string(DefaultStrings[static_cast<std::size_t>(s)]);
}

void Langs::CopyNamedTexts() {
    for (const auto& [s, member] : kMessages)
        this->*member = table_[static_cast<std::size_t>(s)];
    for (int s = slot::TitlesFirst; s <= slot::TitlesLast; ++s) {
        const std::string& text = table_[static_cast<std::size_t>(s)];
        titles_[static_cast<std::size_t>(s - slot::TitlesFirst)] =
            IsColumnTitle(s) ? " " + text : text;
    }
}

std::vector<std::pair<int, const std::string*>> Langs::Messages() const {
    std::vector<std::pair<int, const std::string*>> out;
    for (const auto& [s, member] : kMessages)
        out.emplace_back(s, &(this->*member));
    return out;
}

std::string ChosenLanguageFileName(std::string_view picked) {
    picked = TrimBlanks(picked);
    const auto sep = picked.find_last_of("/\\");
    if (sep != std::string_view::npos) picked.remove_prefix(sep + 1);
    return std::string(picked);
}

} // namespace qor
