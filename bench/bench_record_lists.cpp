// Every record list producer and kind on the shipped database (1950-2006), with the subjects
// that give the longest lists: Michael Schumacher, Ferrari, Monza.

#include "statistics/RecordLists.h"
#include "statistics/RecordSubject.h"
#include "support/GridFixtures.h"

#include <benchmark/benchmark.h>
#include <climits>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

using namespace qor;
using P = RecordProducer;

The_Class& Shipped() {
    return testing::ShippedContext().db;
}

// What a list is opened on: the first result matching these names and season.
struct Subject {
    const char* label;
    P producer;
    const char* driver;
    const char* team;
    const char* track;
    int year;
};

const Subject kSubjects[] = {
    {"DriverAllList/Schumacher", P::DriverAllList, "Michael Schumacher", "", "", 0},
    {"DriverPistList/Schumacher-Monza", P::DriverPistList, "Michael Schumacher", "", "Monza", 0},
    {"DriverYearList/Schumacher-2004", P::DriverYearList, "Michael Schumacher", "", "", 2004},
    {"DriverTeamList/Schumacher-Ferrari", P::DriverTeamList, "Michael Schumacher", "Ferrari", "",
     0},
    {"TeamAllList/Ferrari", P::TeamAllList, "", "Ferrari", "", 0},
    {"TeamPistList/Ferrari-Monza", P::TeamPistList, "", "Ferrari", "Monza", 0},
    {"TeamYearList/Ferrari-2002", P::TeamYearList, "", "Ferrari", "", 2002},
    {"PistRecordList/Monza", P::PistRecordList, "", "", "Monza", 0},
    {"AllRaces2Click/Monza", P::AllRaces2Click, "", "", "Monza", 0},
};

std::uint16_t SubjectRecord(const The_Class& db, const Subject& s) {
    RecordSubjectQuery q;
    if (*s.driver) q.Driver = db.FindDriver(s.driver);
    if (*s.team) q.Team = static_cast<std::uint8_t>(db.FindTeam(s.team));
    if (*s.track) q.Track = static_cast<std::uint8_t>(db.FindTrack(s.track));
    q.Year = s.year;
    const std::uint16_t r = FirstMatchingResult(db, q);
    if (!r) throw std::runtime_error(std::string("no subject record for ") + s.label);
    return r;
}

void BM_RecordList(benchmark::State& state, const Subject& subject, RecordKind kind) {
    The_Class& db = Shipped();
    const Langs langs = testing::EnglishLangs();
    TableContext ctx(db, langs);
    ctx.grid.ApplyZoom(1.0, 1280);
    ctx.grid.SelectedRecord = SubjectRecord(db, subject);
    for (auto _ : state) {
        RunRecordProducer(ctx, subject.producer, kind);
        benchmark::DoNotOptimize(ctx.grid.tablo1.RowCount());
    }
    state.counters["rows"] = static_cast<double>(ctx.grid.tablo1.RowCount() - 1);
}

const bool kRegistered = [] {
    const std::pair<const char*, RecordKind> kinds[] = {{"races", rkRaces},
                                                        {"wins", rkWins},
                                                        {"podiums", rkPodiums},
                                                        {"fastest-laps", rkFastestLaps},
                                                        {"poles", rkPoles}};
    for (const Subject& s : kSubjects) {
        for (const auto& [word, kind] : kinds) {
            // The races and results of a track have no kinds.
            if (s.producer == P::AllRaces2Click && kind != rkRaces) continue;
            const std::string name = std::string(s.label) + "/" + word;
            benchmark::RegisterBenchmark(name.c_str(), BM_RecordList, s, kind)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    return true;
}();

} // namespace
