// Import of GPs from an older database file: comparison, the two lists and the copy.

#include "database/Import.h"

#include "text/Encoding.h"

#include <filesystem>

namespace qor {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

std::uint16_t PackDate(int year, int month, int day) {
    return static_cast<std::uint16_t>(((year - FirstYear) << 9) | (month << 5) | day);
}

// The GP of a packed date, or 0.
int GPOfDate(const The_Class& db, std::uint16_t date) {
    const int year = The_Class::YearOfDate(date);
    if (!db.IsYearLoaded(year)) return 0;
    const TSeasonRow& s = db.Seasons[year];
    for (int g = s.FirstGP; g <= s.LastGP; ++g)
        if (db.GPs[U(g)].Date == date) return g;
    return 0;
}

// The notes file that goes with an importable data file, or null for any other name.
const char* NotesFileFor(const std::string& dataName) {
    if (dataName == "f1data4.dat") return "user_notes.dat";
    if (dataName == "f1data5.dat") return "f1user5.dat";
    return nullptr;
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

} // namespace

ImportSession::OpenResult ImportSession::Open(const std::string& path) {
    old_.reset();
    left_.clear();
    right_.clear();
    message_.clear();
    oldPath_ = path;

    const auto slash = path.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const char* notesName = NotesFileFor(name);
    if (!notesName) return OpenResult::NotImportable;
    if (!db_.DataFileName.empty() && SameFile(path, db_.DataFileName)) {
        message_ = SameFileMessage;
        return OpenResult::SameFile;
    }

    auto old = std::make_unique<The_Class>();
    old->DataPath = folder;
    if (old->LoadDatabase(name, notesName, 0) != 0) {
        message_ = old->LastError.empty() ? std::string("Corrupted data") : old->LastError;
        return OpenResult::LoadFailed;
    }
    // Both databases must format dates alike: the lists show the old one's dates.
    old->LanguageMode = db_.LanguageMode;
    if (old->LastYear < FirstImportYear) return OpenResult::NothingToImport;
    old_ = std::move(old);
    FillLists();
    return OpenResult::Opened;
}

bool ImportSession::Differs(const The_Class& open, const The_Class& old, int g) {
    const TGPRow& o = old.GPs[U(g)];
    const int c = GPOfDate(open, o.Date);
    if (!c) return true;
    const TGPRow& n = open.GPs[U(c)];
    const int count = The_Class::RangeCount(o.FirstResult, o.LastResult);
    if (count != The_Class::RangeCount(n.FirstResult, n.LastResult)) return true;
    for (int k = 0; k < count; ++k) {
        const TResultRec& a = old.Results[U(o.FirstResult + k)];
        const TResultRec& b = open.Results[U(n.FirstResult + k)];
        if (a.Driver != b.Driver || a.Team != b.Team || a.Pos != b.Pos || a.Grid != b.Grid ||
            a.Time != b.Time || old.ReasonText(a.Reason) != open.ReasonText(b.Reason))
            return true;
    }
    // Track, GP name and weather are not compared.
    return o.FLDriver != n.FLDriver || o.FLTime != n.FLTime || o.PoleDriver != n.PoleDriver ||
           o.PoleTime != n.PoleTime || o.Laps != n.Laps;
}

void ImportSession::FillLists() {
    const The_Class& old = *old_;
    for (int y = old.LastYear; y >= FirstImportYear; --y) {
        const ImportItem yearItem{std::to_string(y), PackDate(y, 12, 31)};
        left_.push_back(yearItem);
        right_.push_back(yearItem);
        const TSeasonRow& s = old.Seasons[y];
        for (int g = s.LastGP; g >= s.FirstGP; --g) {
            if (!Differs(db_, old, g)) continue;
            const TGPRow& gp = old.GPs[U(g)];
            left_.push_back({old.FormatDate(gp.Date) + " " + old.TrackNameOf(gp.Track), gp.Date});
        }
    }
}

void ImportSession::Insert(std::vector<ImportItem>& list, ImportItem item) {
    auto at = list.begin();
    while (at != list.end() && at->date > item.date)
        ++at;
    list.insert(at, std::move(item));
}

void ImportSession::Move(std::vector<ImportItem>& from, std::vector<ImportItem>& to,
                         std::size_t index) {
    if (index >= from.size()) return;
    if (from[index].IsGP()) {
        ImportItem item = std::move(from[index]);
        from.erase(from.begin() + static_cast<std::ptrdiff_t>(index));
        Insert(to, std::move(item));
        return;
    }
    const std::string year = from[index].text;
    for (std::size_t i = 0; i < from.size();) {
        if (from[i].IsGP() && from[i].YearText() == year) {
            ImportItem item = std::move(from[i]);
            from.erase(from.begin() + static_cast<std::ptrdiff_t>(i));
            Insert(to, std::move(item));
        } else {
            ++i;
        }
    }
}

ImportedGP ImportSession::ImportOne(const ImportItem& item) {
    ImportedGP outcome;
    outcome.date = item.date;
    outcome.text = item.text;
    const The_Class& old = *old_;
    const int g = GPOfDate(old, item.date);
    if (!g) return outcome;

    // Everything this GP changes is undone when any part of it cannot be added, so the
    // import never loses the version of the GP the open database had.
    const auto before = std::make_unique<TheClassData>(static_cast<const TheClassData&>(db_));
    const auto undo = [&] {
        static_cast<TheClassData&>(db_) = *before;
        outcome.replaced = false;
        outcome.resultCount = 0;
        return outcome;
    };

    const std::string dateText = db_.FormatDate(item.date);
    outcome.replaced = db_.DeleteGP(dateText) != 0;
    const TGPRow& gp = old.GPs[U(g)];
    if (!db_.AddGP(gp)) return undo();
    for (int r = gp.FirstResult; r <= gp.LastResult; ++r) {
        TResultRec rec = old.Results[U(r)];
        const std::string description = old.ReasonText(rec.Reason);
        rec.Reason = db_.AddReason(description, false);
        if (rec.Reason == 0 && !TrimBlanks(description).empty()) return undo();
        if (!db_.AddResult(rec, dateText)) return undo();
        ++outcome.resultCount;
    }
    db_.RecalcStandings(The_Class::YearOfDate(item.date));
    outcome.added = true;
    return outcome;
}

std::vector<ImportedGP> ImportSession::ImportSelected() {
    std::vector<ImportedGP> outcome;
    if (!old_) return outcome;
    for (const ImportItem& item : right_)
        if (item.IsGP()) outcome.push_back(ImportOne(item));
    return outcome;
}

bool ImportSession::AnyAdded(const std::vector<ImportedGP>& outcome) {
    for (const ImportedGP& gp : outcome)
        if (gp.added) return true;
    return false;
}

} // namespace qor
