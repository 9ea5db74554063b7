#pragma once
// The request bodies the program posts to the service, one builder each, fields in the order
// the service has always received them. Values go in as typed: the windows restrict what
// can be typed.

#include <string>
#include <string_view>

namespace qor::online {

// Who asks: the logged-in user and his log-in number (empty and 0 when logged out).
struct Caller {
    std::string_view User;
    int Code = 0;
};

// Accounts.
std::string LoginBody(std::string_view languageCode, std::string_view user,
                      std::string_view encodedPassword);
std::string RegisterBody(std::string_view user, std::string_view email, bool news);
std::string AccountBody(const Caller& caller, std::string_view encodedChange);

// Shared GP results.
std::string GPListBody(const Caller& caller);
std::string GPSourcesBody(const Caller& caller, std::string_view dateNumber, std::string_view name);
std::string GPContentBody(const Caller& caller, std::string_view gpId);
std::string GPAcknowledgeBody(const Caller& caller, std::string_view gpId);

// Message board; deleteId empty when nothing is deleted, rate empty when no mark is given.
std::string BoardReadBody(const Caller& caller, std::string_view board, int page,
                          std::string_view deleteId = {});
std::string BoardSendBody(const Caller& caller, std::string_view board, std::string_view rate,
                          std::string_view text);

// Guess game: the envelope, the request's own part and the window's extra fields.
std::string GuessBody(const Caller& caller, std::string_view ownPart, std::string_view extra);

// The body of the notification posts and the download threads.
inline constexpr std::string_view NotificationBody = "version=1.88";

} // namespace qor::online
