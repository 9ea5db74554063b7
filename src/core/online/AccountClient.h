#pragma once
// The program's side of the account requests: what the log-in, sign-up and password windows
// check before sending and do with a reply, shared by the windows and the command line.

#include "online/AccountReplies.h"

#include <string>
#include <string_view>

namespace qor::online {

// Keys the user name, e-mail and password boxes accept: letters and digits (Windows-1254),
// "_", "." and "@" (backspace is the window's business).
bool IsAccountKey(unsigned char c);

// Sign-up checks before any request: the message to show, or empty when the fields may go.
std::string SignUpProblem(std::string_view user, std::string_view email);

// Applies a log-in payload to the process-wide state: accepted -> the user and his log-in
// number, the name remembered in qoruser.txt of dataDir; refused -> logged out.
LoginReply ApplyLoginReply(std::string_view payload, const std::string& user,
                           const std::string& dataDir);

// The bodies with the current state: log-in (log-in number cleared first), sign-up (the same),
// password change (empty when nobody is logged in).
std::string StartLogin(const std::string& user, std::string_view password);
std::string StartSignUp(const std::string& user, const std::string& email, bool news);
std::string PasswordChangeBody(std::string_view current, std::string_view next);

} // namespace qor::online
