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
    if (driver == 0 || fromYear > toYear) return f;

    // The range's GPs and standings rows: the seasons' ranges tile both tables in year order.
    const int lastGP = std::min<int>(db.GPCount, MaxGPs);
    const int firstGP = std::max<int>(db.Seasons[fromYear].FirstGP, 1);
    const int endGP = std::min<int>(db.Seasons[toYear].LastGP, lastGP);
    const int firstStanding = std::max<int>(db.Seasons[fromYear].FirstDriverStanding, 1);
    const int endStanding =
        std::min<int>(db.Seasons[toYear].LastDriverStanding, MaxDriverStandings);
    for (int y = fromYear; y <= toYear; ++y)
        if (db.Seasons[y].ChampDriver == driver) ++f.Championships;
    db.ForEachStandingOfDriver(driver, [&](int i) {
        if (i >= firstStanding && i <= endStanding)
            f.TotalPoints +=
                static_cast<double>(db.DriverStandings[static_cast<std::size_t>(i)].Points);
    });
    // Fastest laps and poles count whether or not he has a record in that GP.
    db.ForEachFastestLapOfDriver(driver, [&](int g) {
        if (g >= firstGP && g <= endGP) ++f.FastestLaps;
    });
    db.ForEachPoleOfDriver(driver, [&](int g) {
        if (g < firstGP || g > endGP) return;
        const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
        ++f.Poles;
        if (!f.FirstPole.IsSet()) f.FirstPole = MarkOf(gp, g);
        f.LastPole = MarkOf(gp, g);
    });

    // His records in the GPs of the range; the first of each GP counts (positions are sorted
    // within a GP, so that is his best one).
    int previousGP = 0;
    db.ForEachResultOfDriver(driver, [&](int found) {
        const int g = db.Index.GPOf[static_cast<std::size_t>(found)];
        if (g == previousGP || g < firstGP || g > endGP) return;
        previousGP = g;
        const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
        const TResultRec& rec = db.Results[static_cast<std::size_t>(found)];
        if (rec.Pos == 1) {
            ++f.First;
            if (!f.FirstWin.IsSet()) f.FirstWin = MarkOf(gp, g);
            f.LastWin = MarkOf(gp, g);
        } else if (rec.Pos == 2) {
            ++f.Second;
        } else if (rec.Pos == 3) {
            ++f.Third;
        }

        ++f.Entries;
        if (f.FirstEntryRecord == 0) f.FirstEntryRecord = static_cast<std::uint16_t>(found);
        if (rec.Team <= MaxTeams) f.LastRecordOfTeam[rec.Team] = static_cast<std::uint16_t>(found);
        if (history) history->push_back(RaceHistoryEntry{static_cast<std::uint16_t>(g), rec.Pos});
        bool madeFirst = false;
        if (!f.FirstGP.IsSet()) {
            f.FirstGP = MarkOf(gp, g);
            f.FirstRecord = static_cast<std::uint16_t>(found);
            madeFirst = true;
        }
        const GPMark previousLast = f.LastGP;
        f.LastGP = MarkOf(gp, g);
        if (rec.Pos != 0) return;
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
            return;
        }
        // A GP he did not start in is no date of his career.
        if (madeFirst) {
            f.FirstGP = GPMark{};
            f.FirstRecord = 0;
        }
        f.LastGP = previousLast;
    });
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
