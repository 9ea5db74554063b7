#include "online/PasswordCodec.h"

#include "online/PasswordKeys.h"

namespace qor::online {

namespace {
std::uint8_t SwapHalves(unsigned c) {
    return static_cast<std::uint8_t>((c >> 4) + ((c & 15) << 4));
}
} // namespace

std::string EncodePassword(std::string_view password, std::uint8_t xorKey, int add) {
    std::string out;
    out.reserve(password.size() * 3);
    for (unsigned char c : password) {
        const int n = ((SwapHalves(c) ^ xorKey) & 255) + add;
        out += std::to_string(n);
    }
    return out;
}

std::optional<std::string> DecodePassword(std::string_view encoded, std::uint8_t xorKey, int add) {
    if (add < 100 || add + 255 > 999 || encoded.size() % 3 != 0) return std::nullopt;
    std::string out;
    out.reserve(encoded.size() / 3);
    for (std::size_t i = 0; i < encoded.size(); i += 3) {
        int n = 0;
        for (std::size_t k = i; k < i + 3; ++k) {
            if (encoded[k] < '0' || encoded[k] > '9') return std::nullopt;
            n = n * 10 + (encoded[k] - '0');
        }
        n -= add;
        if (n < 0 || n > 255) return std::nullopt;
        // Swapping the halves is its own inverse.
        out += static_cast<char>(SwapHalves(static_cast<unsigned>(n ^ xorKey)));
    }
    return out;
}

std::string EncodeLoginPassword(std::string_view password) {
    return EncodePassword(password, keys::LoginXor, keys::LoginAdd);
}

std::optional<std::string> DecodeLoginPassword(std::string_view encoded) {
    return DecodePassword(encoded, keys::LoginXor, keys::LoginAdd);
}

std::pair<std::uint8_t, std::uint8_t> ChangeKeys(int loginCode) {
    const int code = loginCode < 0 ? -loginCode : loginCode;
    const int first = code % keys::ChangeModulus;
    const int second = (first % keys::ChangeReduce + first / 2) & 255;
    return {static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(second)};
}

std::string EncodePasswordChange(std::string_view current, std::string_view next, int loginCode) {
    const auto [k1, k2] = ChangeKeys(loginCode);
    return EncodePassword(current, k1, keys::ChangeAddCurrent) + "*" +
           EncodePassword(next, k2, keys::ChangeAddNew);
}

std::optional<std::pair<std::string, std::string>> DecodePasswordChange(std::string_view data,
                                                                        int loginCode) {
    const auto star = data.find('*');
    if (star == std::string_view::npos) return std::nullopt;
    const auto [k1, k2] = ChangeKeys(loginCode);
    auto current = DecodePassword(data.substr(0, star), k1, keys::ChangeAddCurrent);
    auto next = DecodePassword(data.substr(star + 1), k2, keys::ChangeAddNew);
    if (!current || !next) return std::nullopt;
    return std::pair{std::move(*current), std::move(*next)};
}

} // namespace qor::online
