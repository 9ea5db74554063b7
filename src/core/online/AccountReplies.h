#pragma once
// The payloads of the account requests: log-in, sign-up and password change, read by the
// program and written by the service.

#include <string>
#include <string_view>

namespace qor::online {

// A log-in reply as the log-in window reads it.
struct LoginReply {
    std::string Code;        // characters 1-3
    int LoginCode = 0;       // characters 5-9, 0 when not a number
    std::string Popup;       // the "<popup>" text, shown after the request
    std::string Message;     // from character 15, without the popup and information texts
    std::string Information; // from "Information:" on, at most 1000 characters
    // "111" with a log-in number of at least 10000.
    bool Accepted() const;
};
LoginReply ParseLoginReply(std::string_view payload);

// A sign-up or password-change reply: a result code and a message.
struct StatusReply {
    std::string Code;
    std::string Message;
    bool Accepted() const;
};
StatusReply ParseStatusReply(std::string_view payload);

// The service side. A log-in reply in the fixed layout; a refusal carries code 000 and
// log-in number 00000. Popup and information are left out when empty.
std::string FormatLoginReply(bool accepted, int loginCode, std::string_view message,
                             std::string_view information = {}, std::string_view popup = {});
std::string FormatStatusReply(bool accepted, std::string_view message);

// The message as the main window's online label shows it: CR as "; ", LF as a blank.
std::string OnlineText(std::string_view message);

} // namespace qor::online
