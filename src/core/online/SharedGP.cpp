#include "online/SharedGP.h"
#include "text/Encoding.h"

#include "database/STheClass.h"
#include "online/FormFields.h"
#include "online/Protocol.h"
#include "text/TextLines.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <ctime>
#include <functional>

namespace qor::online {

namespace {
// A whole decimal number in range, or nothing.
std::optional<int> Number(std::string_view s, int low, int high) {
    const auto n = ParseNumber(s);
    if (!n || *n < low || *n > high) return std::nullopt;
    return static_cast<int>(*n);
}

// A packed date number shown as the database shows dates; the raw text when it is not one.
std::string DateCell(const The_Class& db, std::string_view field) {
    const auto n = Number(field, 1, 65535);
    return n ? db.FormatDate(static_cast<std::uint16_t>(*n)) : std::string(field);
}

// The header row (column 0 empty) and one row per further line, all as wide as the header.
SharedGrid Grid(const std::vector<std::string>& lines, std::size_t first,
                const std::function<void(std::vector<std::string>&)>& fixRow) {
    SharedGrid grid;
    if (first >= lines.size()) return grid;
    std::vector<std::string> header = LineFields(lines[first]);
    header.insert(header.begin(), std::string());
    const std::size_t width = header.size();
    grid.Rows.push_back(std::move(header));
    for (std::size_t i = first + 1; i < lines.size(); ++i) {
        std::vector<std::string> row = LineFields(lines[i]);
        row.insert(row.begin(), std::string());
        row.resize(width < 2 ? 2 : width);
        fixRow(row);
        row.resize(width);
        grid.Rows.push_back(std::move(row));
    }
    return grid;
}
} // namespace

std::vector<std::string> ReplyLines(std::string_view payload) {
    std::vector<std::string> out;
    for (const std::string& line : SplitLines(payload))
        if (const std::string_view t = TrimBlanks(line); !t.empty()) out.emplace_back(t);
    return out;
}

std::vector<std::string> LineFields(std::string_view line) {
    std::vector<std::string> fields;
    for (auto star = line.find('*'); star != std::string_view::npos; star = line.find('*')) {
        fields.emplace_back(TrimBlanks(line.substr(0, star)));
        line.remove_prefix(star + 1);
    }
    return fields;
}

GPListReply ParseGPList(const The_Class& db, std::string_view payload) {
    GPListReply reply;
    std::vector<std::string> lines = ReplyLines(payload);
    for (std::size_t open = 0; open < lines.size(); ++open) {
        if (lines[open] != "<newdriver>") continue;
        std::size_t close = open + 1;
        while (close < lines.size() && lines[close] != "</newdriver>")
            ++close;
        if (close == lines.size()) break;
        for (std::size_t i = open + 1; i < close; ++i) {
            DriverUpdateFile::Driver d;
            if (ParseDriverLine(lines[i], d)) reply.NewDrivers.push_back(std::move(d));
        }
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(open),
                    lines.begin() + static_cast<std::ptrdiff_t>(close + 1));
        break;
    }
    reply.Grid = Grid(lines, 0, [&](std::vector<std::string>& row) {
        const bool isDate = Number(row[1], 1, 65535).has_value();
        row[1] = DateCell(db, row[1]);
        if (isDate && db.FindGPByDate(row[1]) == 0) {
            row[0] = " NEW";
            reply.AnyNew = true;
        }
    });
    return reply;
}

SharedGrid ParseGPSources(const The_Class& db, std::string_view payload) {
    return Grid(ReplyLines(payload), 0, [&](std::vector<std::string>& row) {
        if (row.size() > 2) row[2] = DateCell(db, row[2]);
    });
}

std::optional<SourceContent> ParseSourceContent(const The_Class& db, std::string_view payload) {
    const std::vector<std::string> lines = ReplyLines(payload);
    if (lines.empty()) return std::nullopt;
    std::vector<std::string> gp = LineFields(lines[0]);
    gp.resize(8);
    SourceContent c{DateCell(db, gp[0]), gp[1], gp[2], gp[3], gp[4], gp[5], gp[6], gp[7], {}};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::vector<std::string> f = LineFields(lines[i]);
        f.resize(6);
        c.Results.push_back({f[0], f[1], f[2], f[3], f[4], f[5]});
    }
    return c;
}

SaveOutcome SaveSharedGP(The_Class& db, const SourceContent& c) {
    SaveOutcome out;
    const std::uint16_t date = db.ParseDate(c.Date);
    if (date == 0) {
        out.Message = "GP could not saved because its date is in wrong format.";
        return out;
    }
    out.Reenable = true;
    const std::string dateText = db.FormatDate(date);
    if (db.FindGPByDate(dateText) != 0) {
        out.Message = "There is a GP on " + c.Date + " already in your database. \r" +
                      "You must delete your own GP record to get this record.";
        return out;
    }
    TGPRow row;
    row.Track = static_cast<std::uint8_t>(db.FindTrack(c.Track));
    row.GPName = static_cast<std::uint8_t>(db.FindGP(c.Name));
    row.Date = date;
    row.FLDriver = db.FindDriver(c.FLDriver);
    row.FLTime = The_Class::ParseTime(c.FLTime);
    row.PoleDriver = db.FindDriver(c.PoleDriver);
    row.PoleTime = The_Class::ParseTime(c.PoleTime);
    row.Laps = static_cast<std::uint8_t>(Number(c.Laps, 0, 255).value_or(0));
    // A GP must name a known track and Grand Prix before anything is added.
    if (row.Track == 0 || row.GPName == 0) {
        out.Message = "Saving Failed !";
        return out;
    }
    // Rows that name no known driver or team, or carry impossible numbers, are left out.
    std::vector<std::pair<TResultRec, const std::string*>> rows;
    bool errors = false;
    for (const auto& r : c.Results) {
        TResultRec rec;
        rec.Driver = db.FindDriver(r[0]);
        rec.Team = static_cast<std::uint8_t>(db.FindTeam(r[1]));
        const auto pos = Number(r[2], 0, 255);
        const auto grid = Number(r[4], 0, 255);
        rec.Time = The_Class::ParseTime(r[3]);
        if (rec.Driver == 0 || rec.Team == 0 || (!pos && !r[2].empty()) ||
            (!grid && !r[4].empty())) {
            errors = true;
            continue;
        }
        rec.Pos = static_cast<std::uint8_t>(pos.value_or(0));
        rec.Grid = static_cast<std::uint16_t>(grid.value_or(0));
        rows.emplace_back(rec, &r[5]);
    }
    out.GP = db.AddGP(row);
    if (out.GP == 0) {
        out.Message = "Saving Failed !";
        return out;
    }
    for (auto& [rec, notes] : rows) {
        if (!notes->empty()) rec.Reason = db.AddReason(*notes, false);
        if (db.AddResult(rec, dateText) == 0) errors = true;
    }
    // The GP's index moves when results are added before it in no case: they go into its own
    // range, so out.GP stays valid.
    db.RecalcStandings(The_Class::YearOfDate(date));
    out.WriteFailed = db.SaveDatabase() != 1;
    out.Message = errors ? "There are some errors.\rCheck your GP results."
                         : "GP results succesfully downloaded and automatically saved to your "
                           "database.";
    return out;
}

std::string GPContentText(const The_Class& db, int g) {
    const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
    std::string text = std::to_string(gp.Date) + "*" + db.TrackNameOf(gp.Track) + "*" +
                       db.GPNameOf(gp.GPName) + "*" +
                       (gp.FLDriver ? db.DriverName(gp.FLDriver) : std::string()) + "*" +
                       (gp.FLTime ? The_Class::FormatTime(gp.FLTime) : std::string()) + "*" +
                       (gp.PoleDriver ? db.DriverName(gp.PoleDriver) : std::string()) + "*" +
                       (gp.PoleTime ? The_Class::FormatTime(gp.PoleTime) : std::string()) + "*" +
                       std::to_string(gp.Laps) + "*\r\n";
    for (int r = gp.FirstResult; r <= gp.LastResult && r > 0; ++r) {
        const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
        text += db.DriverName(rec.Driver) + "*" + db.TeamName(rec.Team) + "*" +
                std::to_string(rec.Pos) + "*" +
                (rec.Time ? The_Class::FormatTime(rec.Time) : std::string()) + "*" +
                std::to_string(rec.Grid) + "*" +
                (rec.Reason ? db.ReasonText(rec.Reason) : std::string()) + "*\r\n";
    }
    return text;
}

std::string GPDriverLines(const The_Class& db, int g) {
    const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
    std::vector<int> drivers{gp.FLDriver, gp.PoleDriver};
    for (int r = gp.FirstResult; r <= gp.LastResult && r > 0; ++r)
        drivers.push_back(db.Results[static_cast<std::size_t>(r)].Driver);
    std::string lines;
    std::vector<int> seen;
    for (int d : drivers) {
        if (d == 0 || std::find(seen.begin(), seen.end(), d) != seen.end()) continue;
        seen.push_back(d);
        lines += "#" + db.DriverName(d) + "*" + db.DriverNatName(d) + "\r\n";
    }
    return lines;
}

std::string ShareGPBody(const Caller& caller, const The_Class& db, int g) {
    return std::string(VersionField) + "&master=gp&mode=share&user=" + std::string(caller.User) +
           "&kod=" + std::to_string(caller.Code) + "&data=" + PercentEncode(GPContentText(db, g)) +
           "&drivers=" + PercentEncode(GPDriverLines(db, g));
}

double TodayDayNumber() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::chrono::year_month_day ymd{
        std::chrono::year(local.tm_year + 1900),
        std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
        std::chrono::day(static_cast<unsigned>(local.tm_mday))};
    const std::chrono::sys_days epoch = std::chrono::year{1899} / 12 / 30;
    return static_cast<double>((std::chrono::sys_days(ymd) - epoch).count());
}

bool DailyCheckDue(int onlineOption, double today, std::optional<double> access) {
    return (onlineOption & 1) != 0 && today != access.value_or(0.0);
}

} // namespace qor::online
