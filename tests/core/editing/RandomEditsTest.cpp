// Long random sequences of edits, valid and invalid, checked step by step against a model of
// the database as nested lists (season -> GPs -> results, season -> standings).

#include "database/Invariants.h"
#include "support/Fixtures.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace qor::testing {
namespace {

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

// The database without its range fields, by year from 1950: what an edit must keep or change.
using Model = std::vector<ModelSeason>;

TGPRow Cleared(TGPRow row) {
    row.FirstResult = row.LastResult = 0;
    return row;
}

Model Read(const The_Class& db) {
    Model m;
    for (int y = FirstYear; y <= db.LastYear; ++y) {
        const TSeasonRow& s = db.Seasons[y];
        ModelSeason& season = m.emplace_back();
        for (int g = s.FirstGP; g <= s.LastGP; ++g) {
            season.gps.push_back({Cleared(db.GPs[g]), {}});
            for (int r = db.GPs[g].FirstResult; r <= db.GPs[g].LastResult; ++r)
                season.gps.back().results.push_back(db.Results[r]);
        }
        for (int i = s.FirstDriverStanding; i <= s.LastDriverStanding; ++i)
            season.drivers.push_back(db.DriverStandings[i]);
        for (int i = s.FirstTeamStanding; i <= s.LastTeamStanding; ++i)
            season.teams.push_back(db.TeamStandings[i]);
        std::memcpy(season.champ, reinterpret_cast<const std::uint8_t*>(&s) + 4, 6);
    }
    return m;
}

// The model's bytes: two models are equal when these are.
std::string Bytes(const Model& m) {
    std::string out;
    const auto put = [&](const auto& v) {
        out.append(reinterpret_cast<const char*>(&v), sizeof v);
    };
    const auto rows = [&](const auto& list) {
        put(list.size());
        for (const auto& r : list)
            put(r);
    };
    for (const ModelSeason& s : m) {
        put(s.gps.size());
        for (const ModelGP& g : s.gps) {
            put(g.row);
            rows(g.results);
        }
        rows(s.drivers);
        rows(s.teams);
        put(s.champ);
    }
    return out;
}

int Key(std::uint8_t pos) {
    return pos == 0 ? 100 : pos;
}

// Drives one random sequence; every step is checked before the next one runs.
class RandomEditor {
  public:
    RandomEditor(The_Class& db, unsigned seed) : db_(db), rng_(seed) {}

    void Run(int steps) {
        using Op = bool (RandomEditor::*)();
        static constexpr Op ops[] = {&RandomEditor::AddGP,     &RandomEditor::AddGP,
                                     &RandomEditor::DeleteGP,  &RandomEditor::AddResult,
                                     &RandomEditor::AddResult, &RandomEditor::AddResult,
                                     &RandomEditor::SetResult, &RandomEditor::DeleteResult,
                                     &RandomEditor::UpdateGP,  &RandomEditor::AddStanding};
        for (int step = 0; step < steps && !::testing::Test::HasFatalFailure(); ++step) {
            model_ = Read(db_);
            before_ = std::make_unique<TheClassData>(db_);
            const bool changed = (this->*ops[Int(0, 9)])();
            SCOPED_TRACE("step " + std::to_string(step) + ": " + op_);
            ASSERT_EQ(FirstViolation(db_), "");
            if (changed) {
                ASSERT_TRUE(Bytes(Read(db_)) == Bytes(model_));
            } else {
                ASSERT_EQ(FirstDifference(db_, *before_), "");
            }
            ++(changed ? applied : refused);
        }
    }

    int applied = 0;
    int refused = 0;

  private:
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(int percent) { return Int(1, 100) <= percent; }
    ModelSeason& Season(int year) { return model_[static_cast<std::size_t>(year - FirstYear)]; }
    static bool Refused(int got) {
        EXPECT_EQ(got, 0);
        return false;
    }
    // Database index of the first row of `year` (of its GP `gp` for results) in a table.
    template <typename F> int Base(int year, F rowsOf) {
        int n = 1;
        for (int y = FirstYear; y < year; ++y)
            n += rowsOf(Season(y));
        return n;
    }
    int ResultBase(int year, std::size_t gp) {
        int n = Base(year, [](const ModelSeason& s) {
            int rows = 0;
            for (const ModelGP& g : s.gps)
                rows += static_cast<int>(g.results.size());
            return rows;
        });
        for (std::size_t k = 0; k < gp; ++k)
            n += static_cast<int>(Season(year).gps[k].results.size());
        return n;
    }
    std::uint16_t MaybeBadDate() {
        const int year = Int(FirstYear, std::min(db_.LastYear + 1, 2077));
        std::uint16_t date = PackDate(year, Int(1, 12), Int(1, 28));
        if (Chance(5)) date = static_cast<std::uint16_t>(date & ~0x1Fu);     // day 0
        if (Chance(5)) date = static_cast<std::uint16_t>(date | (15u << 5)); // month 15
        return date;
    }
    // Usually a valid index of a table; sometimes 0 or one beyond.
    int Index(int count) {
        const int r = Int(1, 100);
        return r <= 5 ? 0 : r <= 10 ? count + 1 : count ? Int(1, count) : 0;
    }
    TResultRec RandomRecord() {
        TResultRec r;
        r.Driver = static_cast<std::uint16_t>(Index(db_.DriverCount));
        r.Team = static_cast<std::uint8_t>(Index(db_.TeamCount));
        r.Pos = static_cast<std::uint8_t>(Chance(30) ? 0 : Int(1, 25));
        r.Time = Chance(10) ? 0u : static_cast<std::uint32_t>(rng_());
        r.Reason = static_cast<std::uint16_t>(
            Chance(30) && db_.NoteCount ? NoteCodeBase + Int(1, db_.NoteCount + Chance(10))
                                        : Index(db_.ReasonCount));
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
        row.Track = static_cast<std::uint8_t>(Index(db_.TrackCount));
        row.GPName = static_cast<std::uint8_t>(Index(db_.GPNameCount));
        row.FLDriver = static_cast<std::uint16_t>(Index(db_.DriverCount));
        row.PoleDriver = static_cast<std::uint16_t>(Index(db_.DriverCount));
        row.FLTime = static_cast<std::uint32_t>(rng_());
        row.Laps = static_cast<std::uint8_t>(Int(0, 255));
        row.Remark = static_cast<std::uint8_t>(Index(db_.RemarkCount));
        row.Reserved = Chance(50) ? 0u : static_cast<std::uint32_t>(rng_());
        return row;
    }
    bool GPRowValid(const TGPRow& r) const {
        const unsigned day = r.Date & 0x1Fu, month = (r.Date >> 5) & 0x0Fu;
        return day >= 1 && month >= 1 && month <= 12 && r.Track <= db_.TrackCount &&
               r.GPName <= db_.GPNameCount && r.FLDriver <= db_.DriverCount &&
               r.PoleDriver <= db_.DriverCount && r.Remark <= db_.RemarkCount;
    }
    // A random GP of the model and its date text, or (results null) a text naming no GP:
    // no date, or a 29th (the GPs here all fall on days 1..28).
    struct Pick {
        int year = FirstYear;
        std::size_t gp = 0;
        std::string text;
        std::vector<TResultRec>* results = nullptr;
    };
    Pick PickGP() {
        Pick p;
        for (int tries = 0; tries < 20 && (tries == 0 || Season(p.year).gps.empty()); ++tries)
            p.year = Int(FirstYear, db_.LastYear);
        const int r = Int(1, 100);
        if (!Season(p.year).gps.empty() && r <= 80) {
            p.gp =
                static_cast<std::size_t>(Int(0, static_cast<int>(Season(p.year).gps.size()) - 1));
            p.results = &Season(p.year).gps[p.gp].results;
            p.text = db_.FormatDate(Season(p.year).gps[p.gp].row.Date);
        } else {
            p.text = r <= 90 ? "garbage text" : db_.FormatDate(PackDate(p.year, Int(1, 12), 29));
        }
        return p;
    }

    bool AddGP() {
        const TGPRow row = RandomGPRow(MaybeBadDate());
        op_ = "AddGP " + std::to_string(row.Date);
        const int year = The_Class::YearOfDate(row.Date);
        const std::uint16_t got = db_.AddGP(row);
        if (year > db_.LastYear || !GPRowValid(row) || before_->GPCount >= MaxGPs)
            return Refused(got);
        auto& gps = Season(year).gps;
        std::size_t at = 0;
        while (at < gps.size() && gps[at].row.Date < row.Date)
            ++at;
        if (at < gps.size() && gps[at].row.Date == row.Date) return Refused(got);
        EXPECT_EQ(got,
                  Base(year, [](const ModelSeason& s) { return int(s.gps.size()); }) + int(at));
        gps.insert(gps.begin() + static_cast<std::ptrdiff_t>(at), ModelGP{Cleared(row), {}});
        return true;
    }

    bool DeleteGP() {
        const Pick p = PickGP();
        op_ = "DeleteGP " + p.text;
        const std::uint16_t got = db_.DeleteGP(p.text);
        if (!p.results) return Refused(got);
        auto& gps = Season(p.year).gps;
        EXPECT_EQ(got,
                  Base(p.year, [](const ModelSeason& s) { return int(s.gps.size()); }) + int(p.gp));
        gps.erase(gps.begin() + static_cast<std::ptrdiff_t>(p.gp));
        return true;
    }

    bool AddResult() {
        const Pick p = PickGP();
        const TResultRec rec = RandomRecord();
        op_ = "AddResult pos " + std::to_string(rec.Pos) + " to " + p.text;
        const std::uint16_t got = db_.AddResult(rec, p.text);
        if (!p.results || !RecordValid(rec) || before_->ResultCount >= MaxResults)
            return Refused(got);
        std::size_t at = 0; // behind every row of an equal or better position
        while (at < p.results->size() && Key((*p.results)[at].Pos) <= Key(rec.Pos))
            ++at;
        EXPECT_EQ(got, ResultBase(p.year, p.gp) + static_cast<int>(at));
        p.results->insert(p.results->begin() + static_cast<std::ptrdiff_t>(at), rec);
        return true;
    }

    bool DeleteResult() {
        const Pick p = PickGP();
        const int n = p.results ? static_cast<int>(p.results->size()) : 3;
        const int row = Int(-1, n + 1);
        op_ = "DeleteResult row " + std::to_string(row) + " of " + p.text;
        const std::uint16_t got = db_.DeleteResult(p.text, row);
        if (!p.results || row < 1 || row > n) return Refused(got);
        EXPECT_EQ(got, ResultBase(p.year, p.gp) + row - 1);
        p.results->erase(p.results->begin() + row - 1);
        return true;
    }

    bool SetResult() {
        const int index = Int(-1, db_.ResultCount + 1);
        TResultRec rec = RandomRecord();
        if (Chance(60) && index >= 1 && index <= db_.ResultCount)
            rec.Pos = db_.Results[static_cast<std::size_t>(index)].Pos; // as the dialog does
        op_ = "SetResult " + std::to_string(index);
        db_.SetResult(rec, index);
        if (index < 1 || index > db_.ResultCount || !RecordValid(rec)) return false;
        int base = 0;
        for (auto& s : model_)
            for (auto& g : s.gps) {
                const auto k = static_cast<std::size_t>(index - base - 1);
                base += static_cast<int>(g.results.size());
                if (index > base || k >= g.results.size()) continue;
                // The row stays in place, so its position must fit between its neighbours.
                if ((k > 0 && Key(g.results[k - 1].Pos) > Key(rec.Pos)) ||
                    (k + 1 < g.results.size() && Key(g.results[k + 1].Pos) < Key(rec.Pos)))
                    return false;
                g.results[k] = rec;
            }
        return true;
    }

    bool UpdateGP() {
        const Pick p = PickGP();
        TGPRow row = RandomGPRow(p.results ? Season(p.year).gps[p.gp].row.Date
                                           : PackDate(p.year, Int(1, 12), 29));
        row.FirstResult = static_cast<std::uint16_t>(rng_());
        op_ = "UpdateGP " + std::to_string(row.Date);
        db_.UpdateGP(row);
        if (!p.results || !GPRowValid(row)) return false;
        TGPRow& kept = Season(p.year).gps[p.gp].row;
        row.Reserved = kept.Reserved; // kept, as the result range is
        kept = Cleared(row);
        return true;
    }

    // A standings row goes behind every row of its season with at least as many points.
    template <typename T>
    bool Inserted(int got, int year, std::vector<T> ModelSeason::*rows, const T& row) {
        auto& list = Season(year).*rows;
        std::size_t at = 0;
        while (at < list.size() && list[at].Points >= row.Points)
            ++at;
        EXPECT_EQ(got, Base(year, [&](const ModelSeason& s) { return int((s.*rows).size()); }) +
                           int(at));
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), row);
        return true;
    }

    bool AddStanding() {
        const int year = Int(FirstYear - 1, db_.LastYear + 1);
        const float pts = static_cast<float>(Int(0, 40)) / 2.0f;
        const auto team = static_cast<std::uint8_t>(Index(db_.TeamCount));
        const auto driver = static_cast<std::uint16_t>(Index(db_.DriverCount));
        const bool valid = year >= FirstYear && year <= db_.LastYear && team <= db_.TeamCount;
        op_ = "AddStanding " + std::to_string(year);
        if (Chance(50)) {
            const int got = db_.AddDriverStanding(year, driver, pts, team);
            if (!valid || before_->DriverStandingCount >= MaxDriverStandings ||
                driver > db_.DriverCount)
                return Refused(got);
            return Inserted(got, year, &ModelSeason::drivers, {driver, team, 0, pts});
        }
        TTeamStanding row{};
        row.Team = team;
        row.Name.assign_clean("Name");
        row.Points = pts;
        const int got = db_.AddTeamStanding(year, "Name", pts, team);
        if (!valid || before_->TeamStandingCount >= MaxTeamStandings) return Refused(got);
        return Inserted(got, year, &ModelSeason::teams, row);
    }

    The_Class& db_;
    std::mt19937 rng_;
    Model model_;
    std::unique_ptr<TheClassData> before_;
    std::string op_;
};

// Runs the edits, then expects saving and loading again to give the same tables.
void RunAndRoundTrip(std::unique_ptr<The_Class> db, unsigned seed, int steps, int minApplied) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RandomEditor editor(*db, seed);
    editor.Run(steps);
    // Both kinds of step must have happened often for the run to mean anything.
    EXPECT_GT(editor.applied, minApplied);
    EXPECT_GT(editor.refused, steps / 8);
    const auto image = db->BuildDataImage();
    const auto notes = db->BuildNotesImage();
    auto reloaded = std::make_unique<The_Class>();
    ASSERT_EQ(reloaded->LoadDatabaseImage(image, &notes, 1), 0);
    EXPECT_EQ(reloaded->BuildDataImage(), image);
    EXPECT_EQ(reloaded->BuildNotesImage(), notes);
}

TEST(RandomEdits, ModernDatabaseKeepsEveryRule) {
    for (unsigned seed : {1u, 2u, 3u})
        RunAndRoundTrip(MakeModernDatabase(), seed, 700, 200);
}

TEST(RandomEdits, FullSizeDatabaseKeepsEveryRule) {
    RunAndRoundTrip(MakeFullSizeDatabase(), 77, 80, 20);
}

} // namespace
} // namespace qor::testing
