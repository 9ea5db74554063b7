#include "Boards.h"
#include "ServiceText.h"

#include "online/Board.h"
#include "online/FormFields.h"
#include "online/Protocol.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <optional>

namespace qor::server {

namespace online = qor::online;

namespace {

// What the program keeps of a reply, less the end marker it keeps with it.
constexpr std::size_t PayloadMax = online::PayloadKeep - online::Marker.size();
// Room for the rating element and the page elements with a status.
constexpr std::size_t ElementsRoom = 300;
// A record without its text: id, date heading, user name, version, flag, end-tokens and
// separators, each at its longest.
constexpr std::size_t RecordRoom = 100;
constexpr std::size_t VersionMax = 10;

bool ValidBoard(std::string_view board) {
    return board == "general" || board == "guess";
}

// Characters of a UTF-8 text (a byte of another encoding counts as one).
std::size_t Characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The text as stored: trimmed, without control characters other than line breaks and tabs,
// and without runs of ten asterisks, which would end the reply's framing early.
std::string CleanText(std::string_view data) {
    std::string out;
    int stars = 0;
    for (const char c : data) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\r' && c != '\n' && c != '\t') continue;
        stars = c == '*' ? stars + 1 : 0;
        if (stars < static_cast<int>(online::Marker.size())) out += c;
    }
    const auto first = out.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(" \t\r\n") - first + 1);
}

// The sender's program version as the message's suffix; "?" when it is not one.
std::string Version(std::string_view version) {
    const bool ok = !version.empty() && version.size() <= VersionMax &&
                    std::all_of(version.begin(), version.end(),
                                [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
    return ok ? std::string(version) : "?";
}

} // namespace

std::vector<std::size_t> CutPages(const std::vector<std::size_t>& sizes) {
    std::vector<std::size_t> starts;
    std::size_t used = 0, onPage = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const std::size_t record = sizes[i] + RecordRoom;
        if (starts.empty() || onPage == MessagesPerPage ||
            ElementsRoom + used + record > PayloadMax) {
            starts.push_back(i);
            used = onPage = 0;
        }
        used += record;
        ++onPage;
    }
    return starts;
}

Boards::Boards(Store& store, Accounts& accounts) : store_(store), accounts_(accounts) {}

std::string Boards::StatusOnly(std::string_view status) {
    return "@" + std::string(status) + "#";
}

std::string Boards::Read(const online::FormFields& fields, const std::string& address) {
    const std::string board(fields.Value("msg_mode"));
    if (!ValidBoard(board)) return StatusOnly("No such board.");
    std::string key;
    const bool in =
        fields.Value("user").empty()
            ? false
            : accounts_.CheckLogIn(fields.Value("user"), fields.Value("kod"), address, key).empty();
    std::string status;
    if (const auto target = fields.Get("delete_msg")) {
        const auto id = WholeNumber(*target);
        if (!in)
            status = "Please log in to delete your messages.";
        else if (id && store_.RemoveMessage(board, *id, key))
            status = "Your message is deleted.";
        else
            status = "Only its author can delete a message.";
    }

    const auto sizes = store_.MessageSizes(board);
    const auto starts = CutPages(sizes);
    const int pages = std::max(1, static_cast<int>(starts.size()));
    const int page = static_cast<int>(
        std::clamp<std::int64_t>(WholeNumber(fields.Value("page")).value_or(0), 0, pages - 1));
    const std::size_t from = starts.empty() ? 0 : starts[static_cast<std::size_t>(page)];
    const std::size_t to = static_cast<std::size_t>(page) + 1 < starts.size()
                               ? starts[static_cast<std::size_t>(page) + 1]
                               : sizes.size();

    const auto [sum, count] = store_.Marks();
    char average[16];
    std::snprintf(average, sizeof average, "%.1f",
                  count > 0 ? static_cast<double>(sum) / count : 0.0);
    // Pages are shown counted from 1, as the page chooser names them.
    std::string out = "*R:" + std::string(average) + "*C:" + std::to_string(count) + "_" +
                      online::FormatBoardElements(pages, std::to_string(sizes.size()), page + 1,
                                                  UtcMinute(Now()) + " UTC", status);
    for (const BoardPost& post :
         store_.ListMessages(board, static_cast<int>(from), static_cast<int>(to - from)))
        out += online::FormatMessageRecord({std::to_string(post.Id), UtcMinute(post.CreatedAt),
                                            post.UserName, post.Version,
                                            in && post.UserKey == key ? "0" : "1", post.Text});
    return out;
}

std::string Boards::Send(const online::FormFields& fields, const std::string& address) {
    const std::string board(fields.Value("msg_mode"));
    if (!ValidBoard(board)) return "No such board.";
    std::string key;
    if (std::string refusal =
            accounts_.CheckLogIn(fields.Value("user"), fields.Value("kod"), address, key);
        !refusal.empty())
        return fields.Value("user").empty() || refusal == "Please log in first."
                   ? "You must be logged in to write messages or give a mark."
                   : refusal;
    std::optional<std::int64_t> mark;
    if (const std::string_view rate = fields.Value("rate"); !rate.empty()) {
        mark = WholeNumber(rate);
        if (!mark || *mark < 1 || *mark > 10) return "A mark must be 1 to 10.";
    }
    const std::string text = CleanText(fields.Value("data"));
    if (text.empty() && !mark) return "Write a message or choose a mark.";
    if (Characters(text) > MessageChars || text.size() > MessageBytes)
        return "A message may be at most " + std::to_string(MessageChars) + " characters.";

    const std::int64_t now = Now();
    if (mark && !store_.PutMark(key, static_cast<int>(*mark), now))
        return "The service cannot store your mark now. Please try later.";
    if (!text.empty() &&
        store_.PutMessage({0, board, key, "", Version(fields.Value("version")), text, now}) == 0)
        return "The service cannot store your message now. Please try later.";
    return std::string(text.empty() ? online::BoardMarkSaved
                       : mark       ? online::BoardBothSaved
                                    : online::BoardMessageSaved);
}

} // namespace qor::server
