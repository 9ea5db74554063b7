#pragma once
// The browser-like history of the tables shown in tablo1: at most 50 entries, each able to
// rebuild its table by restoring the recorded selections and running its command again.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace qor {

inline constexpr int MaxHistoryEntries = 50;

// History kinds with a fixed meaning (others fall into the ranges of NavigationHistory).
namespace history_kind {
inline constexpr std::uint16_t GPResults = 1;
inline constexpr std::uint16_t NotReplayed = 10;
inline constexpr std::uint16_t DriverStandings = 150;
inline constexpr std::uint16_t TeamStandings = 151;
} // namespace history_kind

// One recorded table: the command that builds it and what to restore first.
struct THistoryEntry {
    std::function<void()> Handler;
    std::uint16_t Value1 = 0;
    std::uint16_t Value2 = 0;
    std::uint16_t Kind = 0;
    // Caption of the entry's item in the history menu (the table title).
    std::string Caption;
};

// The selections a re-run restores, as the main window (or the command line) provides them.
// A missing function skips that restore.
struct HistoryRestore {
    // Year box index; the year box's change handler runs (the GP list is refilled).
    std::function<void(int index)> SelectYear;
    // GP list index.
    std::function<void(int index)> SelectGP;
    std::function<void(std::uint16_t record)> SetSelectedRecord;
    // Drivers' standings year list (ListBox2) index.
    std::function<void(int index)> SelectDriverStandingsYear;
    // Constructors' standings year list (ListBox3) index.
    std::function<void(int index)> SelectTeamStandingsYear;
};

// The history and the state of its three buttons and its menu.
class NavigationHistory {
  public:
    explicit NavigationHistory(HistoryRestore restore = {}) : restore_(std::move(restore)) {}

    // Records a new table (producers call it first). Does nothing while Replaying.
    void menuekle(std::uint16_t value1, std::uint16_t value2, std::uint16_t kind,
                  std::function<void()> handler);
    // Gives the current entry's menu item the table title. Does nothing while Replaying.
    void SetHistoryCaption(const std::string& title);
    // Re-runs entry HistIndex: restores by kind, then runs its handler, with Replaying set.
    void domenuevent();

    void Back();
    void Next();
    // A click on the history menu item at position (0-based).
    void ChooseItem(int position);

    // Entry 0 belongs to the second grid: the entry of the table copied there.
    void CopyCurrentToSecond();
    void CloseSecond() { entries_[0].Kind = 0; }

    int HistIndex() const { return histIndex_; }
    int HistCount() const { return histCount_; }
    bool Replaying() const { return replaying_; }
    // Entries 1..HistCount; entry 0 is the second grid's.
    const THistoryEntry& Entry(int i) const { return entries_[Slot(i)]; }

    // Widget states: "<--", "-->", the "|" menu button, and the menu item carrying the mark.
    bool BackEnabled() const { return backEnabled_; }
    bool NextEnabled() const { return nextEnabled_; }
    bool MenuButtonEnabled() const { return menuEnabled_; }
    int MarkedItem() const { return histIndex_ - 1; }
    // Menu item captions, in menu order (one per entry 1..HistCount).
    std::string ItemCaption(int position) const { return Entry(position + 1).Caption; }

  private:
    // Entries 1..MaxHistoryEntries are a ring starting at slot first_ + 1; slot 0 is entry 0.
    std::size_t Slot(int i) const {
        if (i <= 0) return 0;
        return 1 + static_cast<std::size_t>((first_ + i - 1) % MaxHistoryEntries);
    }
    THistoryEntry& At(int i) { return entries_[Slot(i)]; }
    void Restore(const THistoryEntry& e);
    void SetButtons();

    HistoryRestore restore_;
    std::array<THistoryEntry, MaxHistoryEntries + 1> entries_{};
    int first_ = 0;
    int histIndex_ = 0;
    int histCount_ = 0;
    bool replaying_ = false;
    bool backEnabled_ = false;
    bool nextEnabled_ = false;
    bool menuEnabled_ = false;
};

} // namespace qor
