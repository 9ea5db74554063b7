#include "Pool.h"
#include "ServiceText.h"

#include "GPUpload.h"
#include "online/AccountReplies.h"
#include "online/Protocol.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <optional>

namespace qor::server {

namespace online = qor::online;

namespace {

// The program keeps at most 4000 characters after the start marker, the end marker among
// them: every list is cut, newest first, so that the whole payload stays within this.
constexpr std::size_t PayloadMax = online::PayloadKeep - online::Marker.size();
// Grands Prix looked at for one list; far more than ever fit in it.
constexpr int ListCandidates = 400;

std::string IsoDate(int packed) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", (packed >> 9) + 1950, packed >> 5 & 15,
                  packed & 31);
    return text;
}

// A positive id or date number.
std::optional<std::int64_t> Number(std::string_view s) {
    const auto n = WholeNumber(s);
    if (!n || *n <= 0) return std::nullopt;
    return n;
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

} // namespace

std::string PoolMessage(std::string_view message) {
    return "<*msg>" + std::string(message) + "<:msg>";
}

Pool::Pool(Store& store, Accounts& accounts, Options options)
    : store_(store), accounts_(accounts), options_(options) {}

std::string Pool::List() {
    std::lock_guard lock(listMutex_);
    const auto revision = store_.Revision();
    if (revision == listRevision_) return list_;
    std::string message;
    if (const auto motd = store_.Setting("motd"); motd && !motd->empty())
        message = PoolMessage(*motd);
    const std::string open = "<newdriver>\r\n", close = "</newdriver>\r\n",
                      header = "Date*Grand Prix*Track*Sources*Downloads*\r\n";
    std::string drivers, gps;
    std::vector<std::string> listed; // driver keys in the block
    std::size_t size = message.size() + open.size() + close.size() + header.size();
    // Newest first; the drivers of a GP come with it, so a GP that is listed can always be
    // saved, and one whose line or drivers would not fit ends the list.
    for (const PoolGP& gp : store_.ListPool(ListCandidates)) {
        const std::string line = std::to_string(gp.Date) + "*" + gp.Name + "*" + gp.Track + "*" +
                                 std::to_string(gp.Sources) + "*" + std::to_string(gp.Downloads) +
                                 "*\r\n";
        std::string more;
        std::vector<std::string> keys;
        for (const auto& [name, nationality] : store_.PoolDrivers(gp.Date, gp.Name)) {
            std::string key = Lower(name);
            if (std::find(listed.begin(), listed.end(), key) != listed.end() ||
                std::find(keys.begin(), keys.end(), key) != keys.end())
                continue;
            keys.push_back(std::move(key));
            more += "#" + name + "*" + nationality + "\r\n";
        }
        if (size + line.size() + more.size() > PayloadMax) break;
        size += line.size() + more.size();
        gps += line;
        drivers += more;
        listed.insert(listed.end(), keys.begin(), keys.end());
    }
    list_ = message + open + drivers + close + header + gps;
    listRevision_ = revision;
    return list_;
}

std::string Pool::Sources(std::string_view date, std::string_view name) {
    const auto packed = Number(date);
    if (!packed || name.empty() || name.size() > 4 * PoolNameMax)
        return PoolMessage("No such Grand Prix.");
    const std::string header = "Id*Date*User*Shared at*Downloads*\r\n";
    const auto sources = store_.ListSources(
        static_cast<int>(std::min<std::int64_t>(*packed, 1 << 20)), std::string(name));
    if (sources.empty()) return PoolMessage("No sources for this Grand Prix.") + header;
    std::string out = header;
    for (const PoolSource& s : sources) {
        const std::string line = std::to_string(s.Id) + "*" + std::to_string(s.Date) + "*" +
                                 s.UserName + "*" + UtcMinute(s.UpdatedAt) + "*" +
                                 std::to_string(s.Downloads) + "*\r\n";
        if (out.size() + line.size() > PayloadMax) break;
        out += line;
    }
    return out;
}

std::string Pool::Content(std::string_view user, std::string_view kod, std::string_view id,
                          const std::string& address) {
    std::string key;
    if (std::string refusal = accounts_.CheckLogIn(user, kod, address, key); !refusal.empty())
        return PoolMessage(refusal);
    const auto number = Number(id);
    const auto source = number ? store_.FindSource(*number) : std::nullopt;
    if (!source) return PoolMessage("This source is no longer shared.");
    return source->Content;
}

std::string Pool::Acknowledge(std::string_view user, std::string_view kod, std::string_view id,
                              const std::string& address) {
    std::string key;
    if (std::string refusal = accounts_.CheckLogIn(user, kod, address, key); !refusal.empty())
        return online::FormatStatusReply(false, refusal);
    const auto number = Number(id);
    const auto source = number ? store_.FindSource(*number) : std::nullopt;
    if (!source) return online::FormatStatusReply(false, "This source is no longer shared.");
    // The sharer's own downloads say nothing about the source's use.
    if (source->UserKey != key) store_.CountDownload(source->Id, key);
    return online::FormatStatusReply(true, "Thank you.");
}

std::string Pool::Share(std::string_view user, std::string_view kod, std::string_view content,
                        std::string_view drivers, const std::string& address) {
    std::string key;
    if (std::string refusal = accounts_.CheckLogIn(user, kod, address, key); !refusal.empty())
        return online::FormatStatusReply(false, refusal);
    GPUpload upload;
    std::string error;
    if (!ReadGPUpload(content, drivers, upload, error))
        return online::FormatStatusReply(false, error);
    const auto others = store_.ListSources(upload.Date, upload.Name);
    const bool replaces = std::any_of(others.begin(), others.end(),
                                      [&](const PoolSource& s) { return s.UserKey == key; });
    if (!replaces && store_.CountSourcesOf(key) >= options_.SourcesPerUser)
        return online::FormatStatusReply(
            false, "You have shared " + std::to_string(options_.SourcesPerUser) +
                       " GPs already; that is the most one user may share.");
    PoolSource source;
    source.UserKey = key;
    source.Date = upload.Date;
    source.Name = upload.Name;
    source.Track = upload.Track;
    source.Content = upload.Content;
    source.CreatedAt = source.UpdatedAt = Now();
    if (store_.PutSource(source, upload.Drivers) == 0)
        return online::FormatStatusReply(false, "The service cannot store the GP now. Please "
                                                "try later.");
    return online::FormatStatusReply(true, "The " + upload.Name + " of " + IsoDate(upload.Date) +
                                               (replaces ? " is shared again, replacing your "
                                                           "earlier copy."
                                                         : " is shared. Thank you."));
}

} // namespace qor::server
