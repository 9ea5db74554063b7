#include "mainwindow/NavigationHistory.h"

namespace qor {
namespace {

// Clears the flag however the re-run command ends.
class ReplayGuard {
  public:
    explicit ReplayGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~ReplayGuard() { flag_ = false; }
    ReplayGuard(const ReplayGuard&) = delete;
    ReplayGuard& operator=(const ReplayGuard&) = delete;

  private:
    bool& flag_;
};

} // namespace

void NavigationHistory::menuekle(std::uint16_t value1, std::uint16_t value2, std::uint16_t kind,
                                 std::function<void()> handler) {
    if (replaying_) return;
    nextEnabled_ = false;
    if (histCount_ == MaxHistoryEntries) {
        // The oldest entry goes: the ring's start moves on instead of every entry moving down.
        first_ = (first_ + 1) % MaxHistoryEntries;
        --histIndex_;
        histCount_ = MaxHistoryEntries - 1;
    }
    // After going back the new table goes right after the current one; the later entries stay.
    if (histIndex_ < histCount_)
        for (int i = histCount_; i >= histIndex_ + 1; --i)
            At(i + 1) = std::move(At(i));
    ++histCount_;
    ++histIndex_;
    THistoryEntry& e = At(histIndex_);
    e = THistoryEntry{};
    e.Handler = std::move(handler);
    e.Value1 = value1;
    e.Value2 = value2;
    e.Kind = kind;
    SetButtons();
}

void NavigationHistory::SetHistoryCaption(const std::string& title) {
    if (replaying_ || histIndex_ < 1) return;
    At(histIndex_).Caption = title;
}

void NavigationHistory::Restore(const THistoryEntry& e) {
    const auto call = [](const auto& f, auto value) {
        if (f) f(value);
    };
    const int k = e.Kind;
    if (k <= 9) {
        call(restore_.SelectYear, static_cast<int>(e.Value1));
        if (k == history_kind::GPResults) call(restore_.SelectGP, static_cast<int>(e.Value2));
    } else if ((k >= 11 && k <= 99) || k >= 152) {
        call(restore_.SetSelectedRecord, e.Value1);
    } else if (k == history_kind::DriverStandings) {
        call(restore_.SelectDriverStandingsYear, static_cast<int>(e.Value1));
    } else if (k == history_kind::TeamStandings) {
        call(restore_.SelectTeamStandingsYear, static_cast<int>(e.Value1));
    }
    // 100..149: tables without a selection.
}

void NavigationHistory::domenuevent() {
    if (histIndex_ < 1 || histIndex_ > histCount_) return;
    // A copy: the command may not change the history (Replaying), but it must not see the
    // entry change under it either.
    const THistoryEntry e = At(histIndex_);
    if (e.Kind == history_kind::NotReplayed) return;
    ReplayGuard guard(replaying_);
    Restore(e);
    if (e.Handler) e.Handler();
}

void NavigationHistory::Back() {
    if (histIndex_ <= 1) return;
    --histIndex_;
    nextEnabled_ = true;
    domenuevent();
    if (histIndex_ == 1) backEnabled_ = false;
}

void NavigationHistory::Next() {
    if (histIndex_ >= histCount_) return;
    ++histIndex_;
    backEnabled_ = true;
    domenuevent();
    if (histIndex_ == histCount_) nextEnabled_ = false;
}

void NavigationHistory::ChooseItem(int position) {
    if (position < 0 || position >= histCount_) return;
    histIndex_ = position + 1;
    domenuevent();
    SetButtons();
}

void NavigationHistory::CopyCurrentToSecond() {
    if (histIndex_ >= 1) entries_[0] = At(histIndex_);
}

void NavigationHistory::SetButtons() {
    menuEnabled_ = histCount_ >= 2;
    backEnabled_ = histIndex_ >= 2;
    nextEnabled_ = histIndex_ < histCount_;
}

} // namespace qor
