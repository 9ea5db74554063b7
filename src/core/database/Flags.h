#pragma once
// The flag pictures file flags.dat: up to 29 named Windows bitmaps, looked up by name.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

inline constexpr std::size_t FlagEntryCount = 29;
inline constexpr std::size_t FlagNameCapacity = 20;
inline constexpr std::size_t FlagEntrySize = 28;
inline constexpr std::size_t FlagPictureArea = FlagEntryCount * FlagEntrySize; // 812
inline constexpr std::size_t MaxFlagPictureBytes = 100000;

// One picture to store: its entry name and its complete BMP file image.
struct FlagPicture {
    std::string name;
    std::vector<std::uint8_t> bmp;
};

// The flag pictures read from flags.dat: entry names (lower-cased) and the picture area.
class FlagImages {
  public:
    // Reads flags.dat; a missing, unreadable or too short file leaves no flags (false).
    bool LoadFlags(const std::string& path);
    // The same on a file image in memory.
    bool LoadImage(const std::vector<std::uint8_t>& file);
    // Offset of the picture whose entry is named `name` (ASCII letters compared without
    // case), or -1. Unused entries (empty names) never match.
    std::int32_t FindFlag(std::string_view name) const;
    // The complete BMP file image stored at a picture offset; empty when the offset does not
    // hold one that lies wholly inside the picture area.
    std::vector<std::uint8_t> PictureAt(std::int32_t offset) const;
    // Number of entries that carry a name.
    std::size_t Count() const;
    // The lower-cased entry name of entry i (0-based), empty for an unused entry.
    const std::string& NameAt(std::size_t i) const { return names_[i]; }
    const std::vector<std::uint8_t>& Pictures() const { return pictures_; }

    // A flags.dat image holding the pictures in the given order; empty when there are more
    // than 29 pictures, a name is empty or longer than 20 characters, or the pictures
    // together exceed 100,000 bytes.
    static std::vector<std::uint8_t> BuildImage(const std::vector<FlagPicture>& pictures);

  private:
    std::array<std::string, FlagEntryCount> names_{};
    std::array<std::int32_t, FlagEntryCount> offsets_{};
    std::vector<std::uint8_t> pictures_;
};

} // namespace qor
