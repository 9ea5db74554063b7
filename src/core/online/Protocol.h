#pragma once
// Fixed texts and limits of the online protocol, shared by the program and the service.

#include <cstddef>
#include <string_view>

namespace qor::online {

// Every request body starts with this field.
inline constexpr std::string_view VersionField = "version=1.88";
// Ten asterisks frame the payload of every service reply.
inline constexpr std::string_view Marker = "**********";

// Files on the configured web host.
inline constexpr std::string_view DiscoveryPath = "/trevask/mainserver.txt";
inline constexpr std::string_view NewsPath = "/trevask/update.txt";
inline constexpr std::string_view DriversPath = "/trevask/drivers.txt";
// The service script our own service answers on (the discovery file names it to the program).
inline constexpr std::string_view ServicePath = "/trevask/qor";

// Read sizes: the discovery file in one read of at most 2000 bytes, replies in blocks of at
// most 2001 bytes, the news and driver files in one read of at most 8000 bytes.
inline constexpr std::size_t DiscoveryReadSize = 2000;
inline constexpr std::size_t ReplyBlockSize = 2001;
inline constexpr std::size_t DownloadReadSize = 8000;
// Longest script path taken from a discovery file.
inline constexpr std::size_t DiscoveryPathMax = 200;
// Most payload characters kept after the start marker (the guess game keeps more).
inline constexpr std::size_t PayloadKeep = 4000;
inline constexpr std::size_t GuessPayloadKeep = 5000;
// A reply larger than this is hostile: the transport stops reading it.
inline constexpr std::size_t ReplyHardLimit = 1 << 20;

// Result code of an accepted log-in, sign-up or password change.
inline constexpr std::string_view Accepted = "111";
// Log-in numbers are five digits.
inline constexpr int LoginCodeMin = 10000, LoginCodeMax = 99999;

// User names: 4 to 30 characters; e-mail addresses at most 50.
inline constexpr std::size_t UserNameMin = 4, UserNameMax = 30, EmailMax = 50;

} // namespace qor::online
