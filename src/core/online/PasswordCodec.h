#pragma once
// Password encodings of log-in and password change, and their inverses for the service.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace qor::online {

// Each byte: halves swapped, XOR key, plus offset, written in decimal without separators.
std::string EncodePassword(std::string_view password, std::uint8_t xorKey, int add);
// The inverse for offsets of at least 100 (three digits a byte); nothing when the text is
// not such an encoding.
std::optional<std::string> DecodePassword(std::string_view encoded, std::uint8_t xorKey, int add);

// The log-in encoding.
std::string EncodeLoginPassword(std::string_view password);
std::optional<std::string> DecodeLoginPassword(std::string_view encoded);

// The two XOR keys of a password change, derived from the log-in number.
std::pair<std::uint8_t, std::uint8_t> ChangeKeys(int loginCode);
// "current*new", each encoded with its own derived key and offset.
std::string EncodePasswordChange(std::string_view current, std::string_view next, int loginCode);
// The two passwords back; nothing when the data is malformed.
std::optional<std::pair<std::string, std::string>> DecodePasswordChange(std::string_view data,
                                                                        int loginCode);

} // namespace qor::online
