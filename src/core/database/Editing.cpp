// Editing of GPs, results, names and descriptions. Each operation checks everything first
// and changes the tables only when it can complete, so a failure leaves them untouched.

#include "database/STheClass.h"
#include "database/TableRows.h"
#include "text/Encoding.h"

namespace qor {
namespace {

// Debug texts are written in UTF-8 here and stored as Windows-1254 like every other text.
void Note(const The_Class& db, const char* utf8, std::string_view tail = {}) {
    db.Debug(Utf8ToCp1254(utf8) + std::string(tail));
}

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// Position order inside a GP: unplaced rows (0) count as 100.
int PositionKey(std::uint8_t pos) {
    return pos == 0 ? 100 : pos;
}

// A date FormatDate can show and ParseDate can read back (GPs are found by that text).
bool IsUsableDate(std::uint16_t date) {
    const unsigned day = date & 0x1Fu;
    const unsigned month = (date >> 5) & 0x0Fu;
    return day >= 1 && month >= 1 && month <= 12;
}

// Every name index of a GP row points into its table.
bool GPRowIndexesValid(const The_Class& db, const TGPRow& row) {
    return row.Track <= db.TrackCount && row.GPName <= db.GPNameCount &&
           row.FLDriver <= db.DriverCount && row.PoleDriver <= db.DriverCount &&
           row.Remark <= db.RemarkCount;
}

bool ReasonCodeValid(const The_Class& db, std::uint16_t code) {
    if (code > NoteCodeBase) return code - NoteCodeBase <= db.NoteCount;
    return code <= db.ReasonCount;
}

// The debug lines of a record about to be stored; false when an index lies beyond its
// table (a zero index is reported but allowed: it means "not set").
bool CheckRecord(const The_Class& db, const TResultRec& rec, bool checkTime) {
    bool ok = true;
    if (rec.Driver == 0 || rec.Driver > db.DriverCount) {
        Note(db, "Kayıt: ismi hatalı.");
        ok = ok && rec.Driver == 0;
    }
    if (rec.Team == 0 || rec.Team > db.TeamCount) {
        Note(db, "Kayıt: takım hatalı.");
        ok = ok && rec.Team == 0;
    }
    if (rec.Reason == 0 || !ReasonCodeValid(db, rec.Reason)) {
        Note(db, "Kayıt: açıklama hatalı.");
        ok = ok && rec.Reason == 0;
    }
    if (checkTime && rec.Time == 0) Note(db, "Kayıt: zaman hatalı.");
    return ok;
}

// Runs of blanks become one blank.
std::string CollapseBlanks(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (!(c == ' ' && !out.empty() && out.back() == ' ')) out += c;
    return out;
}

// Upper-cases the first character and the one after the first blank.
void CapitaliseWords(std::string& s) {
    if (s.empty()) return;
    s[0] = AsciiUpper(s[0]);
    const auto blank = s.find(' ');
    if (blank != std::string::npos && blank + 1 < s.size()) s[blank + 1] = AsciiUpper(s[blank + 1]);
}

std::string Cut(std::string_view s, std::size_t n) {
    return std::string(s.substr(0, n));
}

} // namespace

// ---- GPs ------------------------------------------------------------------------------------

std::uint16_t The_Class::AddGP(const TGPRow& row) {
    if (GPCount >= MaxGPs) {
        Note(*this, "Yer yok.");
        return 0;
    }
    const int year = YearOfDate(row.Date);
    // New seasons are never created by editing.
    if (!IsYearLoaded(year)) return 0;
    if (!IsUsableDate(row.Date)) {
        Note(*this, "Tarih formatı yanlış");
        return 0;
    }
    if (!GPRowIndexesValid(*this, row)) {
        Note(*this, "AddGP failed: geçersiz indeks");
        return 0;
    }
    TSeasonRow& season = Seasons[year];
    int p = season.FirstGP;
    while (p <= season.LastGP && GPs[U(p)].Date < row.Date)
        ++p;
    if (p <= season.LastGP && GPs[U(p)].Date == row.Date) {
        Note(*this, "AddGP failed: GP mevcut");
        return 0;
    }
    // The new GP is empty; its range starts where the results of the GP now at p start.
    const int start = p <= GPCount ? GPs[U(p)].FirstResult : ResultCount + 1;

    ++season.LastGP;
    for (int y = year + 1; y <= LastYear; ++y) {
        ++Seasons[y].FirstGP;
        ++Seasons[y].LastGP;
    }
    rows::OpenRow(GPs, p, GPCount);
    ++GPCount;
    TGPRow& added = GPs[U(p)];
    added = row;
    added.FirstResult = static_cast<std::uint16_t>(start);
    added.LastResult = static_cast<std::uint16_t>(start - 1);
    RebuildResultIndex(); // every later row now belongs to a GP one further on
    return static_cast<std::uint16_t>(p);
}

void The_Class::UpdateGP(const TGPRow& row) {
    const int year = YearOfDate(row.Date);
    int g = 0;
    if (IsYearLoaded(year)) {
        const TSeasonRow& season = Seasons[year];
        for (int i = season.FirstGP; i <= season.LastGP && !g; ++i)
            if (GPs[U(i)].Date == row.Date) g = i;
    }
    if (!g) {
        Note(*this, "UpdateGP failed: Gp bulunamadı.");
        return;
    }
    if (!GPRowIndexesValid(*this, row)) {
        Note(*this, "UpdateGP failed: geçersiz indeks");
        return;
    }
    TGPRow& target = GPs[U(g)];
    TGPRow updated = row;
    updated.FirstResult = target.FirstResult;
    updated.LastResult = target.LastResult;
    updated.Reserved = target.Reserved;
    target = updated;
    RebuildResultIndex(); // the pole and fastest lap may have changed hands
}

std::uint16_t The_Class::DeleteGP(std::string_view dateText) {
    const int g = FindGPByDate(dateText);
    if (!g) {
        Note(*this, "GP yok. ", dateText);
        return 0;
    }
    const TGPRow gp = GPs[U(g)];
    const int n = RangeCount(gp.FirstResult, gp.LastResult);
    const int year = YearOfDate(gp.Date);

    rows::RemoveRows(GPs, g, 1, GPCount);
    --GPCount;
    for (int i = g; i <= GPCount; ++i) {
        GPs[U(i)].FirstResult = static_cast<std::uint16_t>(GPs[U(i)].FirstResult - n);
        GPs[U(i)].LastResult = static_cast<std::uint16_t>(GPs[U(i)].LastResult - n);
    }
    rows::RemoveRows(Results, gp.FirstResult, n, ResultCount);
    ResultCount = static_cast<std::uint16_t>(ResultCount - n);
    --Seasons[year].LastGP;
    for (int y = year + 1; y <= LastYear; ++y) {
        --Seasons[y].FirstGP;
        --Seasons[y].LastGP;
    }
    RebuildResultIndex();
    return static_cast<std::uint16_t>(g);
}

// ---- Results --------------------------------------------------------------------------------

std::uint16_t The_Class::AddResult(const TResultRec& rec, std::string_view dateText) {
    if (ResultCount >= MaxResults) {
        Note(*this, "Yer yok.");
        return 0;
    }
    if (!CheckRecord(*this, rec, false)) return 0;
    const int g = FindGPByDate(dateText);
    if (!g) {
        Note(*this, "Kayıt ekle: GP yok. ", dateText);
        return 0;
    }
    TGPRow& gp = GPs[U(g)];
    const int key = PositionKey(rec.Pos);
    int i = gp.FirstResult;
    while (i <= gp.LastResult && PositionKey(Results[U(i)].Pos) <= key)
        ++i;

    ++gp.LastResult;
    for (int k = g + 1; k <= GPCount; ++k) {
        ++GPs[U(k)].FirstResult;
        ++GPs[U(k)].LastResult;
    }
    rows::OpenRow(Results, i, ResultCount);
    ++ResultCount;
    Results[U(i)] = rec;
    RebuildResultIndex();
    return static_cast<std::uint16_t>(i);
}

void The_Class::SetResult(const TResultRec& rec, int result) {
    if (result < 1 || result > ResultCount) {
        Note(*this, "SetResult failed: Geçersiz Row");
        return;
    }
    if (!CheckRecord(*this, rec, true)) return;
    // The row stays where it is, so its position must still fit between its neighbours.
    const TGPRow& gp = GPs[GPOfResult(result)];
    const int key = PositionKey(rec.Pos);
    if ((result > gp.FirstResult && PositionKey(Results[U(result - 1)].Pos) > key) ||
        (result < gp.LastResult && PositionKey(Results[U(result + 1)].Pos) < key)) {
        Note(*this, "SetResult failed: sıra bozuk");
        return;
    }
    Results[U(result)] = rec;
    RebuildResultIndex();
}

std::uint16_t The_Class::DeleteResult(std::string_view dateText, int row) {
    const int g = FindGPByDate(dateText);
    if (!g) {
        Note(*this, "Kayıt sil: GP yok. ", dateText);
        return 0;
    }
    TGPRow& gp = GPs[U(g)];
    // Row 0 would name the last row of the previous GP.
    if (row < 1 || row > RangeCount(gp.FirstResult, gp.LastResult)) {
        Note(*this, "Kayıt sil: Geçesiz Row");
        return 0;
    }
    const int i = gp.FirstResult + row - 1;
    --gp.LastResult;
    for (int k = g + 1; k <= GPCount; ++k) {
        --GPs[U(k)].FirstResult;
        --GPs[U(k)].LastResult;
    }
    rows::RemoveRows(Results, i, 1, ResultCount);
    --ResultCount;
    RebuildResultIndex();
    return static_cast<std::uint16_t>(i);
}

// ---- Names and descriptions -----------------------------------------------------------------

std::uint16_t The_Class::AddDriver(std::string_view name, std::string_view nationality) {
    // Only what fits the table is stored, so only that is looked up.
    std::string s = Cut(TrimBlanks(name), DriverNames[0].capacity);
    if (s.empty()) {
        Note(*this, "pilot ismi boş");
        return 0;
    }
    bool exists = FindDriver(s) != 0;
    if (!exists) {
        s = AsciiLowerCase(s);
        CapitaliseWords(s);
        exists = FindDriver(s) != 0;
    }
    const std::uint16_t nat = FindDriverNat(nationality);
    if (exists) {
        Note(*this, "Pilot mevcut");
        return 0;
    }
    if (DriverCount >= MaxDrivers) {
        Note(*this, "Yer yok.");
        return 0;
    }
    if (nat == 0 && !nationality.empty()) {
        Note(*this, "Ülke yok.");
        return 0;
    }
    ++DriverCount;
    DriverNames[DriverCount].assign_clean(s);
    DriverNat[DriverCount] = static_cast<std::uint8_t>(nat);
    return DriverCount;
}

std::uint8_t The_Class::AddDriverNat(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) {
        Note(*this, "Sürücü ülkesi boşluk.");
        return 0;
    }
    std::string s = CollapseBlanks(trimmed);
    CapitaliseWords(s);
    s = Cut(s, Nationalities[0].capacity);
    if (FindDriverNat(s)) {
        Note(*this, "sürücü ülkesi mevcut");
        return 0;
    }
    if (NationalityCount >= MaxNationalities) {
        Note(*this, "Yer yok.");
        return 0;
    }
    ++NationalityCount;
    Nationalities[NationalityCount].assign_clean(s);
    return static_cast<std::uint8_t>(NationalityCount);
}

std::uint16_t The_Class::AddReason(std::string_view text, bool toReasons) {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) {
        Note(*this, "Reason boşluk.");
        return 0;
    }
    std::string s = CollapseBlanks(trimmed);
    s[0] = AsciiUpper(s[0]);
    if (toReasons) s = Cut(s, Reasons[0].capacity);
    if (const std::uint16_t existing = FindReason(s)) {
        Note(*this, "Açıklama mevcut");
        return existing;
    }
    if (!toReasons) {
        if (NoteCount >= MaxNotes) {
            Note(*this, "Yer yok.");
            return 0;
        }
        TNoteRec rec;
        rec.Text.assign_clean(s);
        Notes.resize(NoteCount + 1u);
        Notes.push_back(rec);
        ++NoteCount;
        return static_cast<std::uint16_t>(NoteCodeBase + NoteCount);
    }
    if (ReasonCount >= MaxReasons) {
        Note(*this, "Yer yok.");
        return 0;
    }
    ++ReasonCount;
    Reasons[ReasonCount].assign_clean(s);
    return ReasonCount;
}

std::uint16_t The_Class::SetResultReason(int result, std::string_view text) {
    if (result < 1 || result > ResultCount) return FindReason("");
    const std::uint16_t current = Results[U(result)].Reason;
    if (current <= NoteCodeBase) {
        const std::uint16_t code = FindReason(text);
        if (ReasonText(code) == text) return code;
        return AddReason(text, false);
    }
    const int note = current - NoteCodeBase;
    if (note <= NoteCount && U(note) < Notes.size()) {
        Notes[U(note)].Text.assign_clean(Cut(text, decltype(TNoteRec::Text)::capacity));
        return current;
    }
    return AddReason(text, false);
}

// ---- Searches -------------------------------------------------------------------------------

namespace {

// The first result in GP order (on one track when `track` is not 0) that `matches`.
template <typename Match>
std::uint16_t FirstResultWhere(const The_Class& db, std::uint8_t track, Match matches) {
    for (int y = FirstYear; y <= db.LastYear; ++y) {
        const TSeasonRow& season = db.Seasons[y];
        for (int g = season.FirstGP; g <= season.LastGP; ++g) {
            const TGPRow& gp = db.GPs[U(g)];
            if (track && gp.Track != track) continue;
            for (int r = gp.FirstResult; r <= gp.LastResult; ++r)
                if (matches(db.Results[U(r)])) return static_cast<std::uint16_t>(r);
        }
    }
    return 0;
}

// An empty track text means any track without a failed lookup.
std::uint8_t TrackOrAny(const The_Class& db, std::string_view track) {
    return track.empty() ? std::uint8_t{0} : static_cast<std::uint8_t>(db.FindTrack(track));
}

} // namespace

std::uint16_t The_Class::FirstDriverResult(std::string_view driver, std::string_view track) const {
    const std::uint16_t d = FindDriver(driver);
    if (!d) return 0;
    return FirstResultWhere(*this, TrackOrAny(*this, track),
                            [d](const TResultRec& r) { return r.Driver == d; });
}

std::uint16_t The_Class::FirstTeamResult(std::string_view team, std::string_view track) const {
    const std::uint16_t t = FindTeam(team);
    if (!t) return 0;
    return FirstResultWhere(*this, TrackOrAny(*this, track),
                            [t](const TResultRec& r) { return r.Team == t; });
}

} // namespace qor
