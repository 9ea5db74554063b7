// Long random sequences of edits, valid and invalid, checked step by step against a model of
// the database as nested lists (season -> GPs -> results, season -> standings).

#include "EditingFixture.h"

#include <cstring>
#include <map>
#include <random>
#include <tuple>

namespace qor::testing {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

template <typename T> bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

struct ModelGP {
    TGPRow row; // range fields cleared
    std::vector<TResultRec> results;
};

struct ModelSeason {
    std::vector<ModelGP> gps;
    std::vector<TDriverStanding> drivers;
    std::vector<TTeamStanding> teams;
    std::uint8_t champ[6] = {}; // ChampDriver (2 bytes) .. ChampTeamWins
};

// The database without its range fields: what an edit must keep or change.
struct Model {
    std::vector<ModelSeason> seasons;
    int resultCount = 0;
};

Model Read(const The_Class& db) {
    Model m;
    for (int y = FirstYear; y <= db.LastYear; ++y) {
        const TSeasonRow& s = db.Seasons[y];
        ModelSeason season;
        for (int g = s.FirstGP; g <= s.LastGP; ++g) {
            const TGPRow& gp = db.GPs[U(g)];
            ModelGP mg{gp, {}};
            mg.row.FirstResult = mg.row.LastResult = 0;
            for (int r = gp.FirstResult; r <= gp.LastResult; ++r)
                mg.results.push_back(db.Results[U(r)]);
            season.gps.push_back(mg);
        }
        for (int i = s.FirstDriverStanding; i <= s.LastDriverStanding; ++i)
            season.drivers.push_back(db.DriverStandings[U(i)]);
        for (int i = s.FirstTeamStanding; i <= s.LastTeamStanding; ++i)
            season.teams.push_back(db.TeamStandings[U(i)]);
        std::memcpy(season.champ, reinterpret_cast<const std::uint8_t*>(&s) + 4, 6);
        m.seasons.push_back(season);
    }
    m.resultCount = db.ResultCount;
    return m;
}

template <typename T> bool SameRows(const std::vector<T>& a, const std::vector<T>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!SameBytes(a[i], b[i])) return false;
    return true;
}

std::string Diff(const Model& a, const Model& b) {
    if (a.seasons.size() != b.seasons.size()) return "season count";
    if (a.resultCount != b.resultCount) return "result count";
    for (std::size_t y = 0; y < a.seasons.size(); ++y) {
        const ModelSeason& x = a.seasons[y];
        const ModelSeason& z = b.seasons[y];
        const std::string year = std::to_string(FirstYear + static_cast<int>(y));
        if (x.gps.size() != z.gps.size()) return "GP count of " + year;
        for (std::size_t g = 0; g < x.gps.size(); ++g) {
            if (!SameBytes(x.gps[g].row, z.gps[g].row))
                return "GP row " + std::to_string(g) + " of " + year;
            if (!SameRows(x.gps[g].results, z.gps[g].results))
                return "results of GP " + std::to_string(g) + " of " + year;
        }
        if (!SameRows(x.drivers, z.drivers)) return "drivers' standings of " + year;
        if (!SameRows(x.teams, z.teams)) return "constructors' standings of " + year;
        if (std::memcmp(x.champ, z.champ, 6) != 0) return "champions of " + year;
    }
    return std::string();
}

int Key(std::uint8_t pos) {
    return pos == 0 ? 100 : pos;
}

// Drives one random sequence; every step is checked before the next one runs.
class RandomEditor {
  public:
    RandomEditor(The_Class& db, unsigned seed) : db_(db), rng_(seed) {}

    void Run(int steps) {
        for (int step = 0; step < steps && !::testing::Test::HasFatalFailure(); ++step) {
            model_ = Read(db_);
            before_ = std::make_unique<TheClassData>(db_);
            op_.clear();
            const bool changed = Step();
            SCOPED_TRACE("step " + std::to_string(step) + ": " + op_);
            ASSERT_EQ(FirstViolation(db_), "");
            if (!changed) {
                ASSERT_EQ(FirstDifference(db_, *before_), "");
            } else {
                ASSERT_EQ(Diff(Read(db_), model_), "");
            }
            ++(changed ? applied : refused);
        }
    }

    int applied = 0;
    int refused = 0;

  private:
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(int percent) { return Int(1, 100) <= percent; }

    int ResultIndexBase(int year, std::size_t gp) const {
        int n = 0;
        for (int y = FirstYear; y < year; ++y)
            for (const auto& g : model_.seasons[U(y - FirstYear)].gps)
                n += static_cast<int>(g.results.size());
        const auto& gps = model_.seasons[U(year - FirstYear)].gps;
        for (std::size_t k = 0; k < gp; ++k)
            n += static_cast<int>(gps[k].results.size());
        return n;
    }
    int GPIndexBase(int year) const {
        int n = 0;
        for (int y = FirstYear; y < year; ++y)
            n += static_cast<int>(model_.seasons[U(y - FirstYear)].gps.size());
        return n;
    }
    ModelSeason& Season(int year) { return model_.seasons[U(year - FirstYear)]; }

    // A year with at least one GP, if any.
    bool PickGP(int& year, std::size_t& gp) {
        for (int tries = 0; tries < 20; ++tries) {
            year = Int(FirstYear, db_.LastYear);
            if (!Season(year).gps.empty()) {
                gp = U(Int(0, static_cast<int>(Season(year).gps.size()) - 1));
                return true;
            }
        }
        return false;
    }

    std::uint16_t RandomDate(int year) { return PackDate(year, Int(1, 12), Int(1, 28)); }
    std::uint16_t MaybeBadDate() {
        const int year = Int(FirstYear, std::min(db_.LastYear + 1, 2077));
        std::uint16_t date = RandomDate(year);
        if (Chance(5)) date = static_cast<std::uint16_t>(date & ~0x1Fu);     // day 0
        if (Chance(5)) date = static_cast<std::uint16_t>(date | (15u << 5)); // month 15
        return date;
    }
    // Usually a valid index of a table; sometimes 0 or one beyond.
    int Index(int count) {
        const int r = Int(1, 100);
        if (r <= 5) return 0;
        if (r <= 10) return count + 1;
        return count ? Int(1, count) : 0;
    }
    std::uint16_t ReasonCode() {
        if (Chance(30) && db_.NoteCount)
            return static_cast<std::uint16_t>(NoteCodeBase +
                                              Int(1, db_.NoteCount + (Chance(10) ? 1 : 0)));
        return static_cast<std::uint16_t>(Index(db_.ReasonCount));
    }
    TResultRec RandomRecord() {
        TResultRec r;
        r.Driver = static_cast<std::uint16_t>(Index(db_.DriverCount));
        r.Team = static_cast<std::uint8_t>(std::min(Index(db_.TeamCount), 255));
        r.Pos = static_cast<std::uint8_t>(Chance(30) ? 0 : Int(1, 25));
        r.Time = Chance(10) ? 0u : static_cast<std::uint32_t>(rng_());
        r.Reason = ReasonCode();
        r.Grid = static_cast<std::uint16_t>(Int(0, 26));
        return r;
    }
    bool RecordValid(const TResultRec& r) const {
        const bool reason = r.Reason > NoteCodeBase ? r.Reason - NoteCodeBase <= db_.NoteCount
                                                    : r.Reason <= db_.ReasonCount;
        return r.Driver <= db_.DriverCount && r.Team <= db_.TeamCount && reason;
    }
    TGPRow RandomGPRow(std::uint16_t date) {
        TGPRow row{};
        row.Date = date;
        row.Track = static_cast<std::uint8_t>(std::min(Index(db_.TrackCount), 255));
        row.GPName = static_cast<std::uint8_t>(std::min(Index(db_.GPNameCount), 255));
        row.FLDriver = static_cast<std::uint16_t>(Index(db_.DriverCount));
        row.PoleDriver = static_cast<std::uint16_t>(Index(db_.DriverCount));
        row.FLTime = static_cast<std::uint32_t>(rng_());
        row.Laps = static_cast<std::uint8_t>(Int(0, 255));
        row.Remark = static_cast<std::uint8_t>(std::min(Index(db_.RemarkCount), 255));
        row.Reserved = Chance(50) ? 0u : static_cast<std::uint32_t>(rng_());
        return row;
    }
    bool GPRowValid(const TGPRow& r) const {
        const unsigned day = r.Date & 0x1Fu, month = (r.Date >> 5) & 0x0Fu;
        return day >= 1 && month >= 1 && month <= 12 && r.Track <= db_.TrackCount &&
               r.GPName <= db_.GPNameCount && r.FLDriver <= db_.DriverCount &&
               r.PoleDriver <= db_.DriverCount && r.Remark <= db_.RemarkCount;
    }
    // A date text naming an existing GP, some other date, or no date at all.
    std::string DateTextFor(int year, std::size_t gp, bool& exists) {
        exists = false;
        const int r = Int(1, 100);
        if (r <= 80 && year) {
            exists = true;
            return db_.FormatDate(Season(year).gps[gp].row.Date);
        }
        if (r <= 90) return "garbage text";
        const std::uint16_t date = MaybeBadDate();
        for (const auto& s : model_.seasons)
            for (const auto& g : s.gps)
                if (g.row.Date == date) return "31 Feb 1949";
        return db_.FormatDate(date);
    }

    bool Step() {
        switch (Int(0, 11)) {
        case 0:
        case 1:
            return AddGP();
        case 2:
            return DeleteGP();
        case 3:
        case 4:
        case 5:
            return AddResult();
        case 6:
            return DeleteResult();
        case 7:
            return SetResult();
        case 8:
            return UpdateGP();
        case 9:
            return Names();
        case 10:
            return Recalc();
        default:
            return AddStanding();
        }
    }

    bool AddGP() {
        const TGPRow row = RandomGPRow(MaybeBadDate());
        op_ = "AddGP " + std::to_string(row.Date);
        const int year = The_Class::YearOfDate(row.Date);
        bool valid = db_.GPCount < MaxGPs && year <= db_.LastYear && GPRowValid(row);
        std::size_t at = 0;
        if (valid) {
            auto& gps = Season(year).gps;
            while (at < gps.size() && gps[at].row.Date < row.Date)
                ++at;
            valid = at == gps.size() || gps[at].row.Date != row.Date;
        }
        const std::uint16_t got = db_.AddGP(row);
        if (!valid) {
            EXPECT_EQ(got, 0);
            return false;
        }
        EXPECT_EQ(got, GPIndexBase(year) + static_cast<int>(at) + 1);
        ModelGP added{row, {}};
        added.row.FirstResult = added.row.LastResult = 0;
        Season(year).gps.insert(Season(year).gps.begin() + static_cast<std::ptrdiff_t>(at), added);
        return true;
    }

    bool DeleteGP() {
        int year = 0;
        std::size_t gp = 0;
        if (!PickGP(year, gp)) year = 0;
        bool exists = false;
        const std::string text = DateTextFor(year, gp, exists);
        op_ = "DeleteGP " + text;
        const std::uint16_t got = db_.DeleteGP(text);
        if (!exists) {
            EXPECT_EQ(got, 0);
            return false;
        }
        EXPECT_EQ(got, GPIndexBase(year) + static_cast<int>(gp) + 1);
        model_.resultCount -= static_cast<int>(Season(year).gps[gp].results.size());
        Season(year).gps.erase(Season(year).gps.begin() + static_cast<std::ptrdiff_t>(gp));
        return true;
    }

    bool AddResult() {
        int year = 0;
        std::size_t gp = 0;
        if (!PickGP(year, gp)) year = 0;
        bool exists = false;
        const std::string text = DateTextFor(year, gp, exists);
        const TResultRec rec = RandomRecord();
        op_ = "AddResult pos " + std::to_string(rec.Pos) + " to " + text;
        const bool valid = exists && db_.ResultCount < MaxResults && RecordValid(rec);
        const std::uint16_t got = db_.AddResult(rec, text);
        if (!valid) {
            EXPECT_EQ(got, 0);
            return false;
        }
        auto& results = Season(year).gps[gp].results;
        std::size_t at = 0;
        while (at < results.size() && Key(results[at].Pos) <= Key(rec.Pos))
            ++at;
        EXPECT_EQ(got, ResultIndexBase(year, gp) + static_cast<int>(at) + 1);
        results.insert(results.begin() + static_cast<std::ptrdiff_t>(at), rec);
        ++model_.resultCount;
        return true;
    }

    bool DeleteResult() {
        int year = 0;
        std::size_t gp = 0;
        if (!PickGP(year, gp)) year = 0;
        bool exists = false;
        const std::string text = DateTextFor(year, gp, exists);
        const int n = exists ? static_cast<int>(Season(year).gps[gp].results.size()) : 3;
        const int row = Int(-1, n + 1);
        op_ = "DeleteResult row " + std::to_string(row) + " of " + text;
        const std::uint16_t got = db_.DeleteResult(text, row);
        if (!exists || row < 1 || row > n) {
            EXPECT_EQ(got, 0);
            return false;
        }
        EXPECT_EQ(got, ResultIndexBase(year, gp) + row);
        auto& results = Season(year).gps[gp].results;
        results.erase(results.begin() + row - 1);
        --model_.resultCount;
        return true;
    }

    bool SetResult() {
        const int index = Int(-1, db_.ResultCount + 1);
        TResultRec rec = RandomRecord();
        if (Chance(60) && index >= 1 && index <= db_.ResultCount)
            rec.Pos = db_.Results[U(index)].Pos; // the dialog never changes the position
        op_ = "SetResult " + std::to_string(index);
        bool valid = index >= 1 && index <= db_.ResultCount && RecordValid(rec);
        TResultRec* target = nullptr;
        if (valid) {
            int base = 0;
            for (auto& s : model_.seasons)
                for (auto& g : s.gps) {
                    const int n = static_cast<int>(g.results.size());
                    if (!target && index <= base + n) {
                        const std::size_t k = U(index - base - 1);
                        target = &g.results[k];
                        const bool fitsBefore = k == 0 || Key(g.results[k - 1].Pos) <= Key(rec.Pos);
                        const bool fitsAfter =
                            k + 1 == g.results.size() || Key(g.results[k + 1].Pos) >= Key(rec.Pos);
                        valid = fitsBefore && fitsAfter;
                    }
                    base += n;
                }
        }
        db_.SetResult(rec, index);
        if (!valid) return false;
        *target = rec;
        return true;
    }

    bool UpdateGP() {
        int year = 0;
        std::size_t gp = 0;
        const bool picked = PickGP(year, gp) && Chance(85);
        const std::uint16_t date = picked ? Season(year).gps[gp].row.Date : MaybeBadDate();
        TGPRow row = RandomGPRow(date);
        row.FirstResult = static_cast<std::uint16_t>(rng_());
        op_ = "UpdateGP " + std::to_string(date);
        db_.UpdateGP(row);
        ModelGP* target = nullptr;
        for (auto& season : model_.seasons)
            for (auto& g : season.gps)
                if (g.row.Date == date) target = &g;
        if (!target || !GPRowValid(row)) return false;
        row.FirstResult = row.LastResult = 0;
        row.Reserved = target->row.Reserved;
        target->row = row;
        return true;
    }

    // Names and descriptions: the model's tables must not move.
    bool Names() {
        static const char* texts[] = {"",
                                      "  ",
                                      "engine  failure",
                                      "Engine failure",
                                      "Hydraulics",
                                      "JOHN SMITH",
                                      "john smith",
                                      "new   zealander",
                                      "Spun off",
                                      "A description of exactly forty-six characters!",
                                      "Nino Farina",
                                      "Gearbox"};
        const std::string text = texts[Int(0, 11)];
        const auto counts =
            std::make_tuple(db_.DriverCount, db_.NationalityCount, db_.ReasonCount, db_.NoteCount);
        switch (Int(0, 3)) {
        case 0:
            op_ = "AddReason " + text;
            db_.AddReason(text, Chance(30));
            break;
        case 1:
            op_ = "AddDriver " + text;
            db_.AddDriver(text, Chance(50) ? "" : "British");
            break;
        case 2:
            op_ = "AddDriverNat " + text;
            db_.AddDriverNat(text);
            break;
        default: {
            const int index = Int(0, db_.ResultCount + 1);
            op_ = "SetResultReason " + std::to_string(index) + " " + text;
            const std::uint16_t code = db_.SetResultReason(index, text);
            EXPECT_TRUE(code == 0 || code == EmptyReasonCode ||
                        (code > NoteCodeBase ? code - NoteCodeBase <= db_.NoteCount
                                             : code <= db_.ReasonCount));
        }
        }
        return counts != std::make_tuple(db_.DriverCount, db_.NationalityCount, db_.ReasonCount,
                                         db_.NoteCount) ||
               !FirstDifference(db_, *before_).empty();
    }

    bool Recalc() {
        const int year = Int(FirstYear - 1, db_.LastYear + 1);
        op_ = "RecalcStandings " + std::to_string(year);
        db_.RecalcStandings(year);
        if (year < 2005 || year > db_.LastYear) return false;
        // What the season's results give, worked out from the model.
        static const float points[9] = {0, 10, 8, 6, 5, 4, 3, 2, 1};
        std::map<int, float> drivers, teams;
        for (const auto& g : Season(year).gps)
            for (const auto& r : g.results)
                if (r.Pos >= 1 && r.Pos <= 8) {
                    if (r.Driver >= 1) drivers[r.Driver] += points[r.Pos];
                    if (r.Team >= 1) teams[r.Team] += points[r.Pos];
                }
        const int driverRows = before_->DriverStandingCount -
                               static_cast<int>(Season(year).drivers.size()) +
                               static_cast<int>(drivers.size());
        const int teamRows = before_->TeamStandingCount -
                             static_cast<int>(Season(year).teams.size()) +
                             static_cast<int>(teams.size());
        if (driverRows > MaxDriverStandings || teamRows > MaxTeamStandings) return false;

        const ModelSeason s = Read(db_).seasons[U(year - FirstYear)];
        EXPECT_EQ(s.drivers.size(), drivers.size());
        EXPECT_EQ(s.teams.size(), teams.size());
        for (std::size_t i = 0; i < s.drivers.size(); ++i) {
            EXPECT_EQ(+s.drivers[i].Points, drivers[+s.drivers[i].Driver]);
            if (i) {
                EXPECT_GE(+s.drivers[i - 1].Points, +s.drivers[i].Points);
            }
        }
        for (const auto& t : s.teams)
            EXPECT_EQ(+t.Points, teams[+t.Team]);
        Season(year) = s;
        return true;
    }

    bool AddStanding() {
        const int year = Int(FirstYear - 1, db_.LastYear + 1);
        const float pts = static_cast<float>(Int(0, 40)) / 2.0f;
        const bool driver = Chance(50);
        const int who = driver ? Index(db_.DriverCount) : Index(db_.TeamCount);
        const int team = Index(db_.TeamCount);
        op_ =
            std::string(driver ? "AddDriverStanding " : "AddTeamStanding ") + std::to_string(year);
        const bool yearOk = year >= FirstYear && year <= db_.LastYear;
        if (driver) {
            const bool valid = yearOk && db_.DriverStandingCount < MaxDriverStandings &&
                               who <= db_.DriverCount && team <= db_.TeamCount;
            const std::uint16_t got =
                db_.AddDriverStanding(year, static_cast<std::uint16_t>(who), pts,
                                      static_cast<std::uint8_t>(std::min(team, 255)));
            if (!valid) {
                EXPECT_EQ(got, 0);
                return false;
            }
            auto& rows = Season(year).drivers;
            std::size_t at = 0;
            while (at < rows.size() && rows[at].Points >= pts)
                ++at;
            int base = 0;
            for (int y = FirstYear; y < year; ++y)
                base += static_cast<int>(Season(y).drivers.size());
            EXPECT_EQ(got, base + static_cast<int>(at) + 1);
            rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at),
                        TDriverStanding{static_cast<std::uint16_t>(who),
                                        static_cast<std::uint8_t>(team), 0, pts});
            return true;
        }
        const bool valid =
            yearOk && db_.TeamStandingCount < MaxTeamStandings && who <= db_.TeamCount;
        const std::uint16_t got =
            db_.AddTeamStanding(year, "Name", pts, static_cast<std::uint8_t>(std::min(who, 255)));
        if (!valid) {
            EXPECT_EQ(got, 0);
            return false;
        }
        auto& rows = Season(year).teams;
        std::size_t at = 0;
        while (at < rows.size() && rows[at].Points >= pts)
            ++at;
        int base = 0;
        for (int y = FirstYear; y < year; ++y)
            base += static_cast<int>(Season(y).teams.size());
        EXPECT_EQ(got, base + static_cast<int>(at) + 1);
        TTeamStanding row{};
        row.Team = static_cast<std::uint16_t>(who);
        row.Name.assign_clean("Name");
        row.Points = pts;
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), row);
        return true;
    }

    The_Class& db_;
    std::mt19937 rng_;
    Model model_;
    std::unique_ptr<TheClassData> before_;
    std::string op_;
};

// Saving and loading again gives the same tables.
void ExpectRoundTrip(const The_Class& db) {
    const auto image = db.BuildDataImage();
    const auto notes = db.BuildNotesImage();
    auto reloaded = std::make_unique<The_Class>();
    ASSERT_EQ(reloaded->LoadDatabaseImage(image, &notes, 1), 0);
    EXPECT_EQ(reloaded->BuildDataImage(), image);
    EXPECT_EQ(reloaded->BuildNotesImage(), notes);
    EXPECT_EQ(Diff(Read(*reloaded), Read(db)), "");
}

TEST(RandomEdits, ModernDatabaseKeepsEveryRule) {
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        auto db = MakeModernDatabase();
        RandomEditor editor(*db, seed);
        editor.Run(700);
        // Both kinds of step must have happened often for the run to mean anything.
        EXPECT_GT(editor.applied, 200);
        EXPECT_GT(editor.refused, 100);
        ExpectRoundTrip(*db);
    }
}

TEST(RandomEdits, FullSizeDatabaseKeepsEveryRule) {
    auto db = MakeFullSizeDatabase();
    ASSERT_EQ(FirstViolation(*db), "");
    RandomEditor editor(*db, 77);
    editor.Run(80);
    EXPECT_GT(editor.applied, 20);
    ExpectRoundTrip(*db);
}

} // namespace
} // namespace qor::testing
