#pragma once
// Taking Grands Prix over from an older database file into the open database.

#include "database/STheClass.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qor {

// One line of the import lists: a year or a GP (texts in Windows-1254).
struct ImportItem {
    // "2006" for a year; FormatDate + " " + track name for a GP.
    std::string text;
    // 31 December of the year, or the GP's packed date: the lists' descending sort key.
    std::uint16_t date = 0;

    bool IsGP() const { return text.size() > 4; }
    // The year text: the item's text, or characters 8..11 of a GP item's date.
    std::string YearText() const { return IsGP() ? text.substr(7, 4) : text; }
};

// What the import did with one selected GP.
struct ImportedGP {
    std::uint16_t date = 0;
    std::string text;      // the item's text
    bool added = false;    // false: the open database is as it was before this GP
    bool replaced = false; // the open database had a GP of that date, now replaced
    int resultCount = 0;   // results added with it
};

// The state behind the import window: the old database, the two lists and the import.
class ImportSession {
  public:
    enum class OpenResult {
        Opened,          // the lists are filled
        NotImportable,   // not one of the importable file names (no message)
        SameFile,        // the open database's own file (Message())
        LoadFailed,      // the old file did not load (Message())
        NothingToImport, // the old file's seasons end before 2005 (no message)
    };

    static constexpr const char* SameFileMessage =
        "You have selected the file that Qor is currently using";
    static constexpr const char* CompletedMessage =
        "Import is completed successfully! Check results before saving.";
    static constexpr int FirstImportYear = 2005;

    explicit ImportSession(The_Class& db) : db_(db) {}

    // Loads the chosen data file (full path) and lists the GPs that differ.
    OpenResult Open(const std::string& path);
    const std::string& Message() const { return message_; }
    const std::string& OldPath() const { return oldPath_; }
    // The old database while the session is open, else null.
    const The_Class* OldDatabase() const { return old_.get(); }

    // The left list (old data) and the right list (GPs selected for import).
    const std::vector<ImportItem>& OldItems() const { return left_; }
    const std::vector<ImportItem>& SelectedItems() const { return right_; }
    // A double click on an item: a GP item moves to the other list, a year item moves every
    // GP item of its year. Indexes beyond the list are ignored.
    void MoveFromOld(std::size_t index) { Move(left_, right_, index); }
    void MoveFromSelected(std::size_t index) { Move(right_, left_, index); }

    // Imports every selected GP: replaces the open database's version of it by the old one,
    // results and descriptions included, and recomputes the season's tables. A GP that
    // cannot be added in full leaves the open database exactly as it was.
    std::vector<ImportedGP> ImportSelected();
    static bool AnyAdded(const std::vector<ImportedGP>& outcome);

    // Whether the old database's GP g differs from the open database's GP of its date.
    static bool Differs(const The_Class& open, const The_Class& old, int g);

  private:
    static void Move(std::vector<ImportItem>& from, std::vector<ImportItem>& to, std::size_t index);
    static void Insert(std::vector<ImportItem>& list, ImportItem item);
    void FillLists();
    ImportedGP ImportOne(const ImportItem& item);

    The_Class& db_;
    std::unique_ptr<The_Class> old_;
    std::string oldPath_;
    std::string message_;
    std::vector<ImportItem> left_;
    std::vector<ImportItem> right_;
};

} // namespace qor
