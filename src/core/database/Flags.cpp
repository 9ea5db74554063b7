// Reading and writing flags.dat.

#include "database/Flags.h"

#include "database/AtomicFile.h"
#include "text/Encoding.h"

#include <cstring>

namespace qor {
namespace {

constexpr std::size_t kBmpFileHeaderSize = 14;

std::uint32_t ReadU32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

} // namespace

bool FlagImages::LoadFlags(const std::string& path) {
    std::vector<std::uint8_t> file;
    if (!FileExists(path) || !ReadWholeFile(path, file)) {
        *this = FlagImages();
        return false;
    }
    return LoadImage(file);
}

bool FlagImages::LoadImage(const std::vector<std::uint8_t>& file) {
    *this = FlagImages();
    if (file.size() < FlagPictureArea) return false;
    for (std::size_t i = 0; i < FlagEntryCount; ++i) {
        const std::uint8_t* e = file.data() + i * FlagEntrySize;
        const std::size_t len = std::min<std::size_t>(e[0], FlagNameCapacity);
        names_[i] = AsciiLowerCase(std::string_view(reinterpret_cast<const char*>(e + 1), len));
        std::memcpy(&offsets_[i], e + 24, 4);
    }
    const std::size_t area = std::min(file.size() - FlagPictureArea, MaxFlagPictureBytes);
    pictures_.assign(file.begin() + static_cast<std::ptrdiff_t>(FlagPictureArea),
                     file.begin() + static_cast<std::ptrdiff_t>(FlagPictureArea + area));
    return true;
}

std::int32_t FlagImages::FindFlag(std::string_view name) const {
    if (name.empty()) return -1;
    const std::string wanted = AsciiLowerCase(name);
    for (std::size_t i = 0; i < FlagEntryCount; ++i)
        if (!names_[i].empty() && names_[i] == wanted) return offsets_[i];
    return -1;
}

std::vector<std::uint8_t> FlagImages::PictureAt(std::int32_t offset) const {
    if (offset < 0) return {};
    const auto at = static_cast<std::size_t>(offset);
    if (at > pictures_.size() || pictures_.size() - at < kBmpFileHeaderSize) return {};
    const std::uint8_t* p = pictures_.data() + at;
    if (p[0] != 'B' || p[1] != 'M') return {};
    const std::uint32_t size = ReadU32(p + 2);
    if (size < kBmpFileHeaderSize || size > pictures_.size() - at) return {};
    return std::vector<std::uint8_t>(p, p + size);
}

std::size_t FlagImages::Count() const {
    std::size_t n = 0;
    for (const auto& name : names_)
        if (!name.empty()) ++n;
    return n;
}

std::vector<std::uint8_t> FlagImages::BuildImage(const std::vector<FlagPicture>& pictures) {
    if (pictures.size() > FlagEntryCount) return {};
    std::size_t total = 0;
    for (const auto& p : pictures) {
        if (p.name.empty() || p.name.size() > FlagNameCapacity) return {};
        total += p.bmp.size();
    }
    if (total > MaxFlagPictureBytes) return {};

    std::vector<std::uint8_t> out(FlagPictureArea, 0);
    std::int32_t offset = 0;
    for (std::size_t i = 0; i < FlagEntryCount; ++i) {
        std::uint8_t* e = out.data() + i * FlagEntrySize;
        std::int32_t at = -1;
        if (i < pictures.size()) {
            const FlagPicture& p = pictures[i];
            e[0] = static_cast<std::uint8_t>(p.name.size());
            std::memcpy(e + 1, p.name.data(), p.name.size());
            at = offset;
            offset += static_cast<std::int32_t>(p.bmp.size());
        }
        std::memcpy(e + 24, &at, 4);
    }
    for (const auto& p : pictures)
        out.insert(out.end(), p.bmp.begin(), p.bmp.end());
    return out;
}

} // namespace qor
