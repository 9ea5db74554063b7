#include "statistics/DriverAnalysis.h"

#include "database/Flags.h"
#include "lang/Langs.h"
#include "mainwindow/Rounding.h"
#include "statistics/GeneralNumberText.h"
#include "statistics/ResultStatus.h"
#include "text/Encoding.h"

#include <algorithm>

namespace qor {
namespace {

GPMark MarkOf(const TGPRow& gp, int g) {
    return GPMark{static_cast<std::uint16_t>(g), The_Class::YearOfDate(gp.Date), gp.Track};
}

bool IsPodiumPlace(std::uint8_t pos) {
    return pos >= 1 && pos <= 3;
}

} // namespace

DriverFigures ComputeDriverFigures(const The_Class& db, std::uint16_t driver, int fromYear,
                                   int toYear, std::vector<RaceHistoryEntry>* history) {
    DriverFigures f;
    if (fromYear == 0) {
        fromYear = FirstYear;
        toYear = db.LastYear;
    }
    fromYear = std::max(fromYear, FirstYear);
    toYear = std::min(toYear, db.LastYear);
    f.FromYear = fromYear;
    f.ToYear = toYear;
    if (driver == 0) return f;

    const int lastGP = std::min<int>(db.GPCount, MaxGPs);
    const int lastResult = std::min<int>(db.ResultCount, MaxResults);
    for (int y = fromYear; y <= toYear; ++y) {
        const TSeasonRow& season = db.Seasons[y];
        if (season.ChampDriver == driver) ++f.Championships;
        for (int i = season.FirstDriverStanding;
             i <= season.LastDriverStanding && i <= MaxDriverStandings; ++i) {
            if (i < 1) continue;
            const TDriverStanding& s = db.DriverStandings[static_cast<std::size_t>(i)];
            if (s.Driver == driver) f.TotalPoints += static_cast<double>(s.Points);
        }
        for (int g = std::max<int>(season.FirstGP, 1); g <= season.LastGP && g <= lastGP; ++g) {
            const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
            // Fastest laps and poles count whether or not he has a record in that GP.
            if (gp.FLDriver == driver) ++f.FastestLaps;
            if (gp.PoleDriver == driver) {
                ++f.Poles;
                if (!f.FirstPole.IsSet()) f.FirstPole = MarkOf(gp, g);
                f.LastPole = MarkOf(gp, g);
            }
            const int last = std::min<int>(gp.LastResult, lastResult);
            int r = std::max<int>(gp.FirstResult, 1);
            // The podium places lead the GP's records, so a podium record is his first.
            int found = 0;
            for (; r <= last; ++r) {
                const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
                if (!IsPodiumPlace(rec.Pos)) break;
                if (rec.Driver != driver) continue;
                found = r;
                if (rec.Pos == 1) {
                    ++f.First;
                    if (!f.FirstWin.IsSet()) f.FirstWin = MarkOf(gp, g);
                    f.LastWin = MarkOf(gp, g);
                } else if (rec.Pos == 2) {
                    ++f.Second;
                } else {
                    ++f.Third;
                }
                break;
            }
            if (found == 0) {
                for (; r <= last; ++r) {
                    if (db.Results[static_cast<std::size_t>(r)].Driver == driver) {
                        found = r;
                        break;
                    }
                }
            }
            if (found == 0) continue;

            const TResultRec& rec = db.Results[static_cast<std::size_t>(found)];
            ++f.Entries;
            if (f.FirstEntryRecord == 0) f.FirstEntryRecord = static_cast<std::uint16_t>(found);
            if (rec.Team <= MaxTeams)
                f.LastRecordOfTeam[rec.Team] = static_cast<std::uint16_t>(found);
            if (history)
                history->push_back(RaceHistoryEntry{static_cast<std::uint16_t>(g), rec.Pos});
            bool madeFirst = false;
            if (!f.FirstGP.IsSet()) {
                f.FirstGP = MarkOf(gp, g);
                f.FirstRecord = static_cast<std::uint16_t>(found);
                madeFirst = true;
            }
            const GPMark previousLast = f.LastGP;
            f.LastGP = MarkOf(gp, g);
            if (rec.Pos != 0) continue;
            switch (StatusOfReason(db, rec.Reason)) {
            case ResultStatus::Disq:
                ++f.Disq;
                break;
            case ResultStatus::DNS:
                ++f.DNS;
                break;
            case ResultStatus::DNQ:
                ++f.DNQ;
                break;
            case ResultStatus::DNPQ:
                ++f.DNPQ;
                break;
            case ResultStatus::Other:
                ++f.Retirements;
                continue;
            }
            // A GP he did not start in is no date of his career.
            if (madeFirst) {
                f.FirstGP = GPMark{};
                f.FirstRecord = 0;
            }
            f.LastGP = previousLast;
        }
    }
    f.Starts = f.Entries - f.DNS - f.DNQ - f.DNPQ - f.Disq;
    return f;
}

std::string GPMarkText(const The_Class& db, const GPMark& mark) {
    if (!mark.IsSet()) return {};
    const int yy = mark.Year % 100;
    return db.TrackNameOf(mark.Track) + "'" + (yy < 10 ? "0" : "") + std::to_string(yy);
}

std::string PercentText(int count, int starts) {
    if (starts <= 0) return {};
    return "%" + GeneralNumberText(100.0 * count / starts, 3);
}

void AnalyzeDriver(const The_Class& db, std::uint16_t driver, int fromYear, int toYear,
                   bool resetHistory, DriverFrame& frame, const FlagImages* flags) {
    frame.Driver = driver;
    frame.namelabel = db.DriverName(driver);
    frame.natlabel = db.DriverNatName(driver);
    frame.PopupRACES_FOR.clear();
    frame.Label17Hint.clear();
    frame.Percentages = {};
    frame.Gauges = {};
    frame.GaugeTarget = {};
    frame.Timer3Enabled = false;
    frame.first_kayit_no = "0";

    frame.FlagName = AsciiLowerCase(frame.natlabel + ".bmp");
    frame.FlagOffset = flags ? flags->FindFlag(frame.FlagName) : -1;
    frame.FlagVisible = frame.FlagOffset >= 0;

    if (resetHistory) frame.History.clear();
    const DriverFigures f =
        ComputeDriverFigures(db, driver, fromYear, toYear, resetHistory ? &frame.History : nullptr);
    frame.Figures = f;

    if (f.Entries > 0) {
        for (int t = 1; t <= db.TeamCount && t <= MaxTeams; ++t) {
            const std::uint16_t record = f.LastRecordOfTeam[static_cast<std::size_t>(t)];
            if (record != 0)
                frame.PopupRACES_FOR.push_back(
                    TeamRecordsItem{static_cast<std::uint8_t>(t), db.TeamName(t), record});
        }
    }

    frame.allraceslabel = std::to_string(f.Entries);
    frame.disqlabel = std::to_string(f.Disq);
    frame.DNSLABEL = std::to_string(f.DNS);
    frame.DNQLABEL = std::to_string(f.DNQ);
    frame.DNPQLABEL = std::to_string(f.DNPQ);
    frame.raceslabel = std::to_string(f.Starts);
    frame.retirementslabel = std::to_string(f.Retirements);

    frame.firstgplabel = GPMarkText(db, f.FirstGP);
    frame.lastgplabel = GPMarkText(db, f.LastGP);
    frame.firstwinlabel = GPMarkText(db, f.FirstWin);
    frame.lastwinlabel = GPMarkText(db, f.LastWin);
    frame.firstpolelabel = GPMarkText(db, f.FirstPole);
    frame.lastpolelabel = GPMarkText(db, f.LastPole);

    frame.podiumslabel = std::to_string(f.Podiums());
    frame.winslabel = std::to_string(f.Wins());
    frame.poleslabel = std::to_string(f.Poles);
    frame.fastestlapslabel = std::to_string(f.FastestLaps);

    frame.Label25 = f.Championships > 0
                        ? std::to_string(f.Championships) + " times won Drivers' Championship"
                        : std::string();

    if (f.Starts > 0) {
        const std::array<int, GaugeCount> counts = {f.Wins(), f.FastestLaps, f.Poles, f.Podiums(),
                                                    f.Retirements};
        for (std::size_t i = 0; i < GaugeCount; ++i) {
            frame.Percentages[i] = PercentText(counts[i], f.Starts);
            frame.GaugeTarget[i] = RoundHalfEven(100.0 * counts[i] / f.Starts);
        }
        frame.Timer3Enabled = true;
    }

    const bool turkish = db.LanguageMode == LanguageTurkish;
    frame.Label17Hint = std::to_string(f.First) + (turkish ? " kez birinci, " : " times first, ") +
                        std::to_string(f.Second) + (turkish ? " kez ikinci, " : " times second, ") +
                        std::to_string(f.Third) +
                        (turkish ? " kez \xFC\xE7\xFCnc\xFC" : " times third");

    frame.totalpointlabel = GeneralNumberText(f.TotalPoints, 4);

    frame.SelectedSeason = 0;
    frame.Lseason.clear();
    frame.first_kayit_no = std::to_string(f.FirstRecord);
}

bool Timer3Timer(DriverFrame& frame) {
    bool moved = false;
    for (std::size_t i = 0; i < GaugeCount; ++i) {
        int& gauge = frame.Gauges[i];
        const int target = frame.GaugeTarget[i];
        if (gauge < target) {
            gauge += i == GaugeRetirements ? 4 : 2;
            moved = true;
        } else {
            gauge = target;
        }
    }
    if (!moved) frame.Timer3Enabled = false;
    return moved;
}

} // namespace qor
