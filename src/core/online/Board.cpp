#include "online/Board.h"
#include "text/Encoding.h"

#include <climits>

namespace qor::online {

namespace {
std::optional<int> Number(std::string_view s) {
    const auto n = ParseNumber(s);
    if (!n || *n < INT_MIN || *n > INT_MAX) return std::nullopt;
    return static_cast<int>(*n);
}

// The element open..close when its opening character stands before the first "*"; it is
// removed from the buffer.
std::optional<std::string> TakeElement(std::string& buffer, char open, char close) {
    const auto at = buffer.find(open);
    if (at == std::string::npos || at > buffer.find('*')) return std::nullopt;
    const auto end = buffer.find(close, at + 1);
    if (end == std::string::npos) return std::nullopt;
    std::string text = buffer.substr(at + 1, end - at - 1);
    buffer.erase(at, end - at + 1);
    return text;
}

// The text up to the next "*", which is consumed; nothing when there is none.
std::optional<std::string> Field(std::string_view& rest) {
    const auto star = rest.find('*');
    if (star == std::string_view::npos) return std::nullopt;
    std::string f(rest.substr(0, star));
    rest.remove_prefix(star + 1);
    return f;
}
} // namespace

std::optional<BoardRating> TakeRating(std::string& payload) {
    if (payload.rfind("*R:", 0) != 0) return std::nullopt;
    const auto c = payload.find("*C:", 3);
    if (c == std::string::npos) return std::nullopt;
    const auto end = payload.find('_', c + 3);
    if (end == std::string::npos) return std::nullopt;
    BoardRating r{payload.substr(3, c - 3), payload.substr(c + 3, end - c - 3)};
    payload.erase(0, end + 1);
    return r;
}

BoardPage ParseBoardPage(std::string buffer) {
    BoardPage page;
    if (auto n = TakeElement(buffer, '<', '>')) {
        const auto count = Number(*n);
        page.PageCount = !count ? 10 : (*count <= 0 ? 1 : *count);
    }
    page.Total = TakeElement(buffer, '{', '}');
    page.Page = TakeElement(buffer, '[', ']');
    page.ServerTime = TakeElement(buffer, '(', ')');
    if (auto status = TakeElement(buffer, '@', '#'); status && !TrimBlanks(*status).empty())
        page.Status = std::move(status);
    std::string_view rest = buffer;
    while (rest.find('*') != std::string_view::npos && rest.size() > 5) {
        rest.remove_prefix(rest.find('*') + 1);
        BoardMessage m;
        std::optional<std::string> fields[6];
        for (auto& f : fields)
            if (!(f = Field(rest))) return page;
        if (fields[5]->empty()) return page;
        // The text ends at "*" followed by the record's own end-token, so it may hold "*".
        const std::string end = "*" + *fields[5];
        const auto stop = rest.find(end);
        if (stop == std::string_view::npos) return page;
        page.Messages.push_back({*fields[0], *fields[1], *fields[2], *fields[3], *fields[4],
                                 std::string(rest.substr(0, stop))});
        rest.remove_prefix(stop + end.size());
    }
    return page;
}

bool CanDeleteMessage(const BoardMessage& message, std::string_view loginUser) {
    if (message.Flag != "0" || message.User.size() != loginUser.size()) return false;
    for (std::size_t i = 0; i < loginUser.size(); ++i) {
        auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        if (up(message.User[i]) != up(loginUser[i])) return false;
    }
    return true;
}

int MessagePanelHeight(int lines) {
    return lines * 21 + 20 > 90 ? lines * 21 + 20 : 90;
}

std::string BoardSendText(std::string_view text) {
    std::string out(TrimBlanks(text));
    for (char& c : out)
        if (c == '&') c = ' ';
    return out;
}

int BoardPageNumber(std::string_view chooserText, int itemIndex) {
    const int page = Number(chooserText).value_or(itemIndex);
    return page < 0 ? 0 : page;
}

std::string FormatMessageRecord(const BoardMessage& m) {
    // An end-token that "*" + token never meets inside the text.
    std::string token = "E";
    for (int n = 0; m.Text.find("*" + token) != std::string::npos; ++n)
        token = "E" + std::to_string(n);
    return "*" + m.Id + "*" + m.Heading + "*" + m.User + "*" + m.Suffix + "*" + m.Flag + "*" +
           token + "*" + m.Text + "*" + token;
}

std::string FormatBoardElements(int pageCount, std::string_view total, int page,
                                std::string_view serverTime, std::string_view status) {
    std::string out = "<" + std::to_string(pageCount) + ">{";
    out.append(total).append("}[").append(std::to_string(page)).append("](");
    out.append(serverTime).append(")");
    if (!status.empty()) out.append("@").append(status).append("#");
    return out;
}

} // namespace qor::online
