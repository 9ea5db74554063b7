#pragma once
// The keys of the password encodings. The program encodes with them and the service decodes
// with them, so both sides must be built from this one header.

#include <cstdint>

namespace qor::online::keys {

// Log-in: XOR key and offset. Offsets of at least 100 make every encoded byte exactly three
// decimal digits (100..355), which keeps the text decodable by the service.
inline constexpr std::uint8_t LoginXor = 0x5A;
inline constexpr std::uint8_t LoginAdd = 100;

// Password change: the first XOR key is the log-in number modulo ChangeModulus; the second is
// the first modulo ChangeReduce plus half of the first. Each has its own offset.
inline constexpr int ChangeModulus = 251;
inline constexpr int ChangeReduce = 97;
inline constexpr std::uint8_t ChangeAddCurrent = 117;
inline constexpr std::uint8_t ChangeAddNew = 143;

} // namespace qor::online::keys
