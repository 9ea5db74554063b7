#pragma once
// The UI string table: built-in English texts or a language file (".DT"), the language's id,
// code and help file, and the named texts the windows read.

#include "lang/DefaultStrings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class SettingsStore;

// Language modes, as kept in the view settings of the data file.
inline constexpr std::uint8_t LanguageTurkish = 0;
inline constexpr std::uint8_t LanguageEnglish = 1;
inline constexpr std::uint8_t LanguageOtherFile = 2;

inline constexpr const char* TurkishLanguageFile = "TR.dt";
inline constexpr const char* EnglishHelpFile = "help_EN.txt";
inline constexpr const char* LanguageFileWrongMessage = "Language file is wrong.";
// A language file holds at most this many lines: the header and one line per slot.
inline constexpr int MaxLanguageFileLines = 300;

// What a language load ended with.
struct LanguageLoadResult {
    // The mode in effect now: the one asked for, or LanguageEnglish after a fall-back. The
    // caller stores it back into the view settings and ticks the matching menu item.
    std::uint8_t Mode = LanguageEnglish;
    // The file was there but malformed: the caller shows LanguageFileWrongMessage.
    bool FileWrong = false;
};

// The string table and everything a language load sets. One instance serves the whole program.
class Langs {
  public:
    Langs();

    // Loads the table for a language mode: 0 "TR.dt", 2 the file named by the "language_file"
    // setting, 1 (or any other value) the built-in English. Files are read from programFolder
    // (a folder path; a missing final '/' is added), else from the installed copy. A missing or
    // empty file falls back to English silently, a malformed one with FileWrong set.
    LanguageLoadResult ApplyLanguage(std::uint8_t mode, const std::string& programFolder,
                                     const SettingsStore& settings);
    // The same for a language file already read: fileName is recorded as LanguageFileName,
    // fileBytes is null when there is no file to read. Mode 1 ignores both.
    LanguageLoadResult ApplyLanguageFile(std::uint8_t mode, const std::string& fileName,
                                         const std::string* fileBytes);

    // ---- The table ------------------------------------------------------------------------
    // Text of slot 1..299 (Windows-1254 bytes); empty for any other number.
    const std::string& Text(int slot) const;
    // All slots; element 0 is unused. Only the loading routine writes them.
    const std::array<std::string, StringSlotCount + 1>& StringTable() const { return table_; }
    // Title of a record list or table column (slots 97..143) as the grid shows and compares
    // it: slots 102..120 with one blank put in front (" Name"), the others as they are.
    // Other slot numbers give their plain text.
    const std::string& Title(int slot) const;

    // ---- Language state -------------------------------------------------------------------
    std::uint8_t LanguageMode = LanguageEnglish;
    std::string LanguageFileName; // file name of the language in use, without folder
    std::string LanguageId;       // "1" for the built-in English
    std::string LanguageCode;     // "EN" for English, else the code's bytes in decimal
    std::string HelpFileName = EnglishHelpFile;

    // ---- Messages (slots 184..199, 202..215, 217..222), copied after every load --------------
    std::string MsgFirstSelectRace;        // 184
    std::string MsgOnlyLastSeason;         // 185
    std::string MsgNoGPInYear;             // 186
    std::string MsgSelectRecordToUpdate;   // 187
    std::string MsgWriteError;             // 188
    std::string MsgSelectRecordToDelete;   // 189
    std::string MsgNoGPDeleted;            // 190
    std::string MsgConnectionBusy;         // 191
    std::string MsgImportCompleted;        // 192
    std::string MsgSameFileSelected;       // 193
    std::string MsgRestartProgram;         // 194
    std::string MsgShareResultLater;       // 195
    std::string MsgConfirmDeleteRace;      // 196
    std::string MsgConfirmDeleteRecord;    // 197
    std::string MsgExitWithoutSave;        // 198
    std::string MsgQueryingUpdates;        // 199
    std::string MsgWriteOrRateFirst;       // 202
    std::string MsgRatingNeedsLogin;       // 203
    std::string MsgSeeReviewsHelp;         // 204
    std::string MsgCharacterNotAllowed;    // 205
    std::string MsgConfirmDeleteMessage;   // 206
    std::string MsgSendingMessage;         // 207
    std::string MsgMessagesTotal;          // 208
    std::string MsgPage;                   // 209
    std::string MsgPageUpper;              // 210
    std::string MsgCompleted;              // 211
    std::string MsgGettingReviews;         // 212
    std::string MsgCommunicationCompleted; // 213
    std::string MsgServerNotAvailable;     // 214
    std::string MsgPasswordRepeatWrong;    // 215
    std::string MsgWaiting;                // 217
    std::string MsgOk;                     // 218
    std::string MsgLoginBeforePassword;    // 219
    std::string MsgInsertRecord;           // 220
    std::string MsgUpdateRecord;           // 221
    std::string MsgComparingDrivers;       // 222

    // The named message texts with their slots, in slot order (for checks and tools).
    std::vector<std::pair<int, const std::string*>> Messages() const;

  private:
    void LoadEnglish();
    void CopyNamedTexts();

    std::array<std::string, StringSlotCount + 1> table_{};
    std::array<std::string, slot::TitlesLast - slot::TitlesFirst + 1> titles_{};
};

// The language-file name to store for a file the user picked: blanks and control characters
// trimmed, folder removed (the file is looked for in the program folder). Empty cancels.
std::string ChosenLanguageFileName(std::string_view picked);

} // namespace qor
