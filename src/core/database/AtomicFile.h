#pragma once
// Safe file replacement: writes to a temporary file beside the target, syncs it, then renames.

#include <cstdint>
#include <string>
#include <vector>

namespace qor {

// Writes whole-file images so that a failure at any point leaves the old files untouched.
class AtomicFile {
  public:
    // Replaces each target with its image. Either every target is replaced, or (on any
    // failure) every target keeps its old content; returns false on failure.
    struct Item {
        std::string path;
        const std::vector<std::uint8_t>* data;
    };
    static bool ReplaceAll(const std::vector<Item>& items);
    static bool Replace(const std::string& path, const std::vector<std::uint8_t>& data) {
        return ReplaceAll({{path, &data}});
    }

    // Fault injection for tests: the n-th low-level write or rename from now on fails
    // (0 disables). Counts writes of file contents and renames alike.
    static void FailAfterOperations(int n);
};

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out);
bool FileExists(const std::string& path);

} // namespace qor
