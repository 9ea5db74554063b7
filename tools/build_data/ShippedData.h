#pragma once
// Building the three shipped data files: f1data5.dat, other_names.txt and flags.dat.

#include <cstddef>
#include <string>

namespace qor::tools {

inline constexpr std::size_t ShippedOtherNames = 100;
inline constexpr std::size_t ShippedFlags = 29;

// Where the builder reads and writes (folders; a trailing '/' is optional).
struct ShippedDataOptions {
    std::string f1dbDir; // the F1DB extract (.tsv files)
    std::string flagDir; // PNG flags named by lower-case ISO 3166 alpha-2 code ("br.png")
    std::string outDir;  // receives the three files
};

// Writes the three files; returns an empty text on success, otherwise what went wrong
// (no file is left half-written). `summary` receives a few lines of counts and sizes.
std::string BuildShippedData(const ShippedDataOptions& options, std::string* summary = nullptr);

} // namespace qor::tools
