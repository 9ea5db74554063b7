#include "online/AccountReplies.h"

#include "online/Protocol.h"

#include <charconv>
#include <cstdio>

namespace qor::online {

bool LoginReply::Accepted() const {
    return Code == qor::online::Accepted && LoginCode >= LoginCodeMin;
}
bool StatusReply::Accepted() const {
    return Code == qor::online::Accepted;
}

LoginReply ParseLoginReply(std::string_view payload) {
    LoginReply r;
    std::string text(payload);
    r.Code = text.substr(0, 3);
    if (text.size() >= 9) {
        const char* first = text.data() + 4;
        int code = 0;
        const auto [end, ec] = std::from_chars(first, first + 5, code);
        if (ec == std::errc() && end == first + 5) r.LoginCode = code;
    }
    const auto open = text.find("<popup>");
    const auto close = open == std::string::npos ? std::string::npos : text.find("</popup>", open);
    if (close != std::string::npos) {
        r.Popup = text.substr(open + 7, close - open - 7);
        text.erase(open, close + 8 - open);
    }
    std::string message = text.size() > 14 ? text.substr(14) : std::string();
    if (const auto info = message.find("Information:"); info != std::string::npos) {
        r.Information = message.substr(info, 1000);
        message.erase(info);
    }
    r.Message = std::move(message);
    return r;
}

StatusReply ParseStatusReply(std::string_view payload) {
    return {std::string(payload.substr(0, 3)),
            std::string(payload.size() > 3 ? payload.substr(3) : std::string_view{})};
}

std::string FormatLoginReply(bool accepted, int loginCode, std::string_view message,
                             std::string_view information, std::string_view popup) {
    char head[16];
    std::snprintf(head, sizeof head, "%s %05d 001 ", accepted ? "111" : "000",
                  accepted ? loginCode % 100000 : 0);
    std::string out(head);
    out += message;
    if (!information.empty()) out.append(" ").append(information);
    if (!popup.empty()) out.append("<popup>").append(popup).append("</popup>");
    return out;
}

std::string FormatStatusReply(bool accepted, std::string_view message) {
    return std::string(accepted ? "111" : "000") + std::string(message);
}

std::string OnlineText(std::string_view message) {
    std::string out;
    for (char c : message) {
        if (c == '\r')
            out += "; ";
        else if (c == '\n')
            out += ' ';
        else
            out += c;
    }
    return out;
}

} // namespace qor::online
