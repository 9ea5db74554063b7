// The same questions asked of our producers and of an indexed in-memory SQLite database loaded
// from the F1DB extract: each pair steps every row and copies every cell into a string, as a
// table would. After the run a small table gives both times and their ratio.

#include "mainwindow/GPBrowser.h"
#include "statistics/ChampionshipTables.h"
#include "statistics/DriverAnalysis.h"
#include "statistics/RecordLists.h"
#include "statistics/RecordSubject.h"
#include "statistics/SeasonLists.h"
#include "statistics/TopLists.h"
#include "statistics/TrackStatistics.h"
#include "support/GridFixtures.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace qor;

const std::string kF1db = QOR_SOURCE_DIR "/../shared/data/f1db/";

// One TSV file read into its header and rows.
struct Tsv {
    std::vector<std::string> head;
    std::vector<std::vector<std::string>> rows;
};

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> out;
    std::string cell;
    std::istringstream in(line);
    while (std::getline(in, cell, '\t'))
        out.push_back(cell);
    if (!line.empty() && line.back() == '\t') out.emplace_back();
    return out;
}

bool IsInteger(const std::string& s) {
    if (s.empty()) return true;
    std::size_t i = s[0] == '-' ? 1 : 0;
    if (i == s.size()) return false;
    for (; i < s.size(); ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

bool IsNumber(const std::string& s) {
    if (s.empty()) return true;
    char* end = nullptr;
    std::strtod(s.c_str(), &end);
    return end == s.c_str() + s.size();
}

void Exec(sqlite3* db, const std::string& sql) {
    char* err = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        const std::string msg = err ? err : "?";
        sqlite3_free(err);
        throw std::runtime_error(msg + " in " + sql);
    }
}

// Loads one file as a table whose columns take INTEGER, REAL or TEXT from their values; an
// empty cell is NULL, as in the F1DB SQLite dump.
void LoadTable(sqlite3* db, const std::string& name) {
    std::ifstream in(kF1db + name + ".tsv");
    Tsv t;
    std::string line;
    std::getline(in, line);
    t.head = SplitTabs(line);
    while (std::getline(in, line)) {
        auto cells = SplitTabs(line);
        cells.resize(t.head.size());
        t.rows.push_back(std::move(cells));
    }
    std::string create = "CREATE TABLE " + name + " (";
    std::string insert = "INSERT INTO " + name + " VALUES (";
    std::vector<int> types;
    for (std::size_t c = 0; c < t.head.size(); ++c) {
        bool integer = true, number = true;
        for (const auto& r : t.rows) {
            integer = integer && IsInteger(r[c]);
            number = number && IsNumber(r[c]);
        }
        types.push_back(integer ? SQLITE_INTEGER : number ? SQLITE_FLOAT : SQLITE_TEXT);
        create += (c ? ", " : "") + t.head[c] + (integer ? " INTEGER" : number ? " REAL" : " TEXT");
        insert += c ? ", ?" : "?";
    }
    Exec(db, create + ")");
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, (insert + ")").c_str(), -1, &st, nullptr);
    for (const auto& r : t.rows) {
        for (std::size_t c = 0; c < r.size(); ++c) {
            const int i = static_cast<int>(c) + 1;
            if (r[c].empty())
                sqlite3_bind_null(st, i);
            else if (types[c] == SQLITE_INTEGER)
                sqlite3_bind_int64(st, i, std::stoll(r[c]));
            else if (types[c] == SQLITE_FLOAT)
                sqlite3_bind_double(st, i, std::stod(r[c]));
            else
                sqlite3_bind_text(st, i, r[c].c_str(), -1, SQLITE_TRANSIENT);
        }
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
}

// The extract in memory with the keys and indexes the questions below walk, or null when the
// extract is absent.
sqlite3* Peer() {
    static sqlite3* db = [] {
        if (!std::ifstream(kF1db + "race_results.tsv")) return static_cast<sqlite3*>(nullptr);
        sqlite3* d = nullptr;
        sqlite3_open(":memory:", &d);
        Exec(d, "BEGIN");
        for (const char* t : {"circuits", "constructor_standings", "constructors", "countries",
                              "driver_standings", "drivers", "engine_manufacturers", "fastest_laps",
                              "grands_prix", "pole_positions", "race_results", "races"})
            LoadTable(d, t);
        Exec(d, R"(
CREATE UNIQUE INDEX circuits_id ON circuits(circuit_id);
CREATE UNIQUE INDEX constructors_id ON constructors(constructor_id);
CREATE UNIQUE INDEX countries_id ON countries(country_id);
CREATE UNIQUE INDEX drivers_id ON drivers(driver_id);
CREATE UNIQUE INDEX engines_id ON engine_manufacturers(engine_manufacturer_id);
CREATE UNIQUE INDEX grands_prix_id ON grands_prix(grand_prix_id);
CREATE UNIQUE INDEX races_id ON races(race_id);
CREATE UNIQUE INDEX races_year_round ON races(year, round);
CREATE INDEX races_circuit ON races(circuit_id, date);
CREATE INDEX results_race ON race_results(race_id, display_order);
CREATE INDEX results_driver ON race_results(driver_id, race_id);
CREATE INDEX results_constructor ON race_results(constructor_id, race_id);
CREATE INDEX results_position ON race_results(position, race_id);
CREATE INDEX driver_standings_year ON driver_standings(year, position);
CREATE INDEX driver_standings_position ON driver_standings(position, year);
CREATE INDEX fastest_laps_race ON fastest_laps(race_id);
CREATE INDEX fastest_laps_driver ON fastest_laps(driver_id);
CREATE INDEX poles_race ON pole_positions(race_id);
CREATE INDEX poles_driver ON pole_positions(driver_id);
ANALYZE;
COMMIT;
)");
        return d;
    }();
    return db;
}

// Runs each statement, steps every row and copies every cell into a string.
void RunSql(benchmark::State& state, const std::vector<std::string>& sql) {
    sqlite3* db = Peer();
    if (!db) {
        state.SkipWithError("the F1DB extract is absent");
        return;
    }
    std::vector<sqlite3_stmt*> st(sql.size());
    for (std::size_t i = 0; i < sql.size(); ++i)
        if (sqlite3_prepare_v2(db, sql[i].c_str(), -1, &st[i], nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " in " + sql[i]);
    std::vector<std::string> cells;
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = 0;
        for (sqlite3_stmt* s : st) {
            cells.clear();
            while (sqlite3_step(s) == SQLITE_ROW) {
                ++rows;
                for (int c = 0, n = sqlite3_column_count(s); c < n; ++c) {
                    const auto* text = sqlite3_column_text(s, c);
                    cells.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
                }
            }
            sqlite3_reset(s);
            benchmark::DoNotOptimize(cells.data());
        }
    }
    for (sqlite3_stmt* s : st)
        sqlite3_finalize(s);
    state.counters["rows"] = static_cast<double>(rows);
}

TableContext& Ctx() {
    return testing::ShippedContext();
}

// Runs a producer that fills tablo1, its cells being the strings the table shows.
template <typename F> void RunOurs(benchmark::State& state, F produce) {
    TableContext& ctx = Ctx();
    for (auto _ : state) {
        produce(ctx);
        benchmark::DoNotOptimize(ctx.grid.tablo1.RowCount());
    }
    state.counters["rows"] = ctx.grid.tablo1.RowCount() - 1;
}

// A record list of the first result of the given driver, team or track.
void RunRecordList(benchmark::State& state, RecordProducer producer, RecordKind kind,
                   const char* driver, const char* team, const char* track) {
    TableContext& ctx = Ctx();
    RecordSubjectQuery q;
    if (*driver) q.Driver = ctx.db.FindDriver(driver);
    if (*team) q.Team = static_cast<std::uint8_t>(ctx.db.FindTeam(team));
    if (*track) q.Track = static_cast<std::uint8_t>(ctx.db.FindTrack(track));
    ctx.grid.SelectedRecord = FirstMatchingResult(ctx.db, q);
    RunOurs(state, [&](TableContext& c) { RunRecordProducer(c, producer, kind); });
}

// Rows of a result with its GP, as the record lists show them.
const std::string kResultRows = R"(
SELECT ra.year, ra.date, gp.name, ci.name, rr.position, d.name, co.name, e.name, rr.laps,
       rr.time, rr.reason_retired, rr.points, rr.grid_position
FROM race_results rr
JOIN races ra ON ra.race_id = rr.race_id
JOIN grands_prix gp ON gp.grand_prix_id = ra.grand_prix_id
JOIN circuits ci ON ci.circuit_id = ra.circuit_id
JOIN drivers d ON d.driver_id = rr.driver_id
JOIN constructors co ON co.constructor_id = rr.constructor_id
LEFT JOIN engine_manufacturers e ON e.engine_manufacturer_id = rr.engine_manufacturer_id
)";

// One question: its two sides.
struct Pair {
    const char* question;
    void (*ours)(benchmark::State&);
    std::vector<std::string> sql;
};

const std::vector<Pair>& Pairs() {
    static const std::vector<Pair> pairs = {
        {"GPClassification", // Brazil 2006, the season's last GP
         [](benchmark::State& s) {
             TableContext& ctx = Ctx();
             ctx.browser.YearIndex = 0;
             ComboBox1Change(ctx);
             ctx.browser.GPIndex = 17;
             RunOurs(s, gpListBox1Click);
         },
         {R"(SELECT rr.position, rr.driver_id, d.name, n.demonym, co.name, e.name, rr.laps,
                    rr.time, rr.gap, rr.reason_retired, rr.points, rr.grid_position
             FROM races ra JOIN race_results rr ON rr.race_id = ra.race_id
             JOIN drivers d ON d.driver_id = rr.driver_id
             LEFT JOIN countries n ON n.country_id = d.nationality_country_id
             JOIN constructors co ON co.constructor_id = rr.constructor_id
             LEFT JOIN engine_manufacturers e
               ON e.engine_manufacturer_id = rr.engine_manufacturer_id
             WHERE ra.year = 2006 AND ra.round = 18 ORDER BY rr.display_order)"}},
        {"DriverStandings2006",
         [](benchmark::State& s) {
             RunOurs(s, [](TableContext& c) { DriverStandingsTable(c, 2006); });
         },
         {R"(SELECT ds.position, d.name, n.demonym, ds.points
             FROM driver_standings ds JOIN drivers d ON d.driver_id = ds.driver_id
             LEFT JOIN countries n ON n.country_id = d.nationality_country_id
             WHERE ds.year = 2006 ORDER BY ds.position)"}},
        {"DriverChampions",
         [](benchmark::State& s) { RunOurs(s, DriverChampionsTable); },
         {R"(SELECT ds.year, d.name, n.demonym, ds.points
             FROM driver_standings ds JOIN drivers d ON d.driver_id = ds.driver_id
             LEFT JOIN countries n ON n.country_id = d.nationality_country_id
             WHERE ds.position = 1 ORDER BY ds.year)"}},
        {"WinnersAllSeasons",
         [](benchmark::State& s) { RunOurs(s, [](TableContext& c) { ListWinners(c, 0); }); },
         {kResultRows + "WHERE rr.position = 1 ORDER BY ra.date, rr.display_order"}},
        {"DriverRaces", // Michael Schumacher
         [](benchmark::State& s) {
             RunRecordList(s, RecordProducer::DriverAllList, rkRaces, "Michael Schumacher", "", "");
         },
         {kResultRows + "WHERE rr.driver_id = 'michael-schumacher' ORDER BY ra.date"}},
        {"DriverWins",
         [](benchmark::State& s) {
             RunRecordList(s, RecordProducer::DriverAllList, rkWins, "Michael Schumacher", "", "");
         },
         {kResultRows +
          "WHERE rr.driver_id = 'michael-schumacher' AND rr.position = 1 ORDER BY ra.date"}},
        {"TeamRaces", // Ferrari
         [](benchmark::State& s) {
             RunRecordList(s, RecordProducer::TeamAllList, rkRaces, "", "Ferrari", "");
         },
         {kResultRows + "WHERE rr.constructor_id = 'ferrari' ORDER BY ra.date, rr.display_order"}},
        {"TrackRaces", // Monza
         [](benchmark::State& s) {
             RunRecordList(s, RecordProducer::PistRecordList, rkRaces, "", "", "Monza");
         },
         {kResultRows + "WHERE ra.circuit_id = 'monza' ORDER BY ra.date, rr.display_order"}},
        {"DriverTopLists",
         [](benchmark::State& s) {
             const The_Class& db = Ctx().db;
             for (auto _ : s)
                 benchmark::DoNotOptimize(opLists1Click(db));
         },
         {R"(SELECT d.name, SUM(ds.points) p FROM driver_standings ds
             JOIN drivers d ON d.driver_id = ds.driver_id GROUP BY ds.driver_id
             ORDER BY p DESC LIMIT 3)",
          R"(SELECT d.name, COUNT(*) c FROM fastest_laps f JOIN drivers d ON d.driver_id = f.driver_id
             GROUP BY f.driver_id ORDER BY c DESC LIMIT 3)",
          R"(SELECT d.name, COUNT(*) c FROM pole_positions p JOIN drivers d ON d.driver_id = p.driver_id
             GROUP BY p.driver_id ORDER BY c DESC LIMIT 3)",
          R"(SELECT d.name, COUNT(*) c FROM race_results r JOIN drivers d ON d.driver_id = r.driver_id
             WHERE r.position = 1 GROUP BY r.driver_id ORDER BY c DESC LIMIT 3)",
          // The longest run of wins within one season: each race numbered in its season, a
          // driver's wins numbered in his; a run keeps the difference of the two constant.
          R"(WITH numbered AS (
               SELECT race_id, year, ROW_NUMBER() OVER (PARTITION BY year ORDER BY round) n
               FROM races),
             wins AS (
               SELECT r.driver_id, nu.year, nu.n - ROW_NUMBER() OVER (
                 PARTITION BY r.driver_id, nu.year ORDER BY nu.n) grp
               FROM race_results r JOIN numbered nu ON nu.race_id = r.race_id
               WHERE r.position = 1)
             SELECT d.name, COUNT(*) c, w.year FROM wins w JOIN drivers d ON d.driver_id = w.driver_id
             GROUP BY w.driver_id, w.year, w.grp ORDER BY c DESC, w.year LIMIT 3)"}},
        {"EveryDriverCareer",
         [](benchmark::State& s) {
             const The_Class& db = Ctx().db;
             DriverFrame frame;
             for (auto _ : s) {
                 for (int d = 1; d <= db.DriverCount; ++d) {
                     AnalyzeDriver(db, static_cast<std::uint16_t>(d), 0, 0, true, frame);
                     benchmark::DoNotOptimize(frame.History.data());
                 }
             }
             s.counters["rows"] = db.DriverCount;
         },
         {R"(SELECT d.name, n.demonym, d.date_of_birth, COUNT(DISTINCT r.race_id),
                    SUM(r.position = 1), SUM(r.position <= 3), SUM(r.points),
                    MIN(ra.year), MAX(ra.year),
                    (SELECT COUNT(*) FROM pole_positions p WHERE p.driver_id = d.driver_id),
                    (SELECT COUNT(*) FROM fastest_laps f WHERE f.driver_id = d.driver_id),
                    (SELECT COUNT(*) FROM driver_standings s
                     WHERE s.driver_id = d.driver_id AND s.position = 1)
             FROM drivers d JOIN race_results r ON r.driver_id = d.driver_id
             JOIN races ra ON ra.race_id = r.race_id
             LEFT JOIN countries n ON n.country_id = d.nationality_country_id
             GROUP BY d.driver_id ORDER BY d.name)"}},
        {"TrackStatistics",
         [](benchmark::State& s) {
             const The_Class& db = Ctx().db;
             for (auto _ : s)
                 benchmark::DoNotOptimize(PistStatistics1Click(db));
         },
         {// The best lap of each track since 1980 ("m:ss.fff" sorts as text).
          R"(SELECT ci.name, d.name, MIN(f.time) FROM fastest_laps f
             JOIN races ra ON ra.race_id = f.race_id JOIN circuits ci ON ci.circuit_id = ra.circuit_id
             JOIN drivers d ON d.driver_id = f.driver_id
             WHERE ra.year >= 1980 GROUP BY ra.circuit_id ORDER BY ci.name)",
          R"(SELECT ci, dn, c FROM (
               SELECT ci.name ci, d.name dn, COUNT(*) c, ROW_NUMBER() OVER (
                 PARTITION BY ra.circuit_id ORDER BY COUNT(*) DESC) k
               FROM fastest_laps f JOIN races ra ON ra.race_id = f.race_id
               JOIN circuits ci ON ci.circuit_id = ra.circuit_id
               JOIN drivers d ON d.driver_id = f.driver_id WHERE ra.year >= 1980
               GROUP BY ra.circuit_id, f.driver_id) WHERE k = 1 ORDER BY ci)",
          R"(SELECT ci, dn, c FROM (
               SELECT ci.name ci, d.name dn, COUNT(*) c, ROW_NUMBER() OVER (
                 PARTITION BY ra.circuit_id ORDER BY COUNT(*) DESC) k
               FROM pole_positions p JOIN races ra ON ra.race_id = p.race_id
               JOIN circuits ci ON ci.circuit_id = ra.circuit_id
               JOIN drivers d ON d.driver_id = p.driver_id WHERE ra.year >= 1980
               GROUP BY ra.circuit_id, p.driver_id) WHERE k = 1 ORDER BY ci)",
          R"(SELECT ci, dn, c FROM (
               SELECT ci.name ci, d.name dn, COUNT(*) c, ROW_NUMBER() OVER (
                 PARTITION BY ra.circuit_id ORDER BY COUNT(*) DESC) k
               FROM race_results r JOIN races ra ON ra.race_id = r.race_id
               JOIN circuits ci ON ci.circuit_id = ra.circuit_id
               JOIN drivers d ON d.driver_id = r.driver_id
               WHERE ra.year >= 1980 AND r.position = 1
               GROUP BY ra.circuit_id, r.driver_id) WHERE k = 1 ORDER BY ci)"}},
    };
    return pairs;
}

// Collects the mean time of every run to print the pairs side by side at the end.
class PairReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // Times are in microseconds, as registered; with repetitions the median is taken. The
        // pairs compare CPU time: on a machine shared with other work the wall time of a
        // microsecond question mostly measures when the scheduler ran something else.
        for (const Run& r : runs) {
            if (r.error_occurred) continue;
            if (r.run_type == Run::RT_Iteration && !medians_.count(r.run_name.str()))
                times_[r.run_name.str()] = r.GetAdjustedCPUTime();
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
                times_[r.run_name.str()] = r.GetAdjustedCPUTime();
                medians_.insert(r.run_name.str());
            }
        }
    }
    void PrintRatios() const {
        std::printf("\n%-22s %12s %12s %8s   (CPU time)\n", "question", "ours (us)", "SQLite (us)",
                    "ratio");
        for (const Pair& p : Pairs()) {
            const std::string q = std::string("BM_") + p.question;
            const auto a = times_.find(q + "/ours");
            const auto b = times_.find(q + "/sqlite");
            if (a == times_.end() || b == times_.end()) continue;
            std::printf("%-22s %12.2f %12.2f %7.0fx\n", p.question, a->second, b->second,
                        b->second / a->second);
        }
    }

  private:
    std::map<std::string, double> times_;
    std::set<std::string> medians_;
};

} // namespace

int main(int argc, char** argv) {
    for (const Pair& p : Pairs()) {
        const std::string q = std::string("BM_") + p.question;
        benchmark::RegisterBenchmark((q + "/ours").c_str(), p.ours)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((q + "/sqlite").c_str(), [&p](benchmark::State& s) {
            RunSql(s, p.sql);
        })->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    PairReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
