#pragma once
// A small F1DB-like extract and flag pictures for testing the data builder.

#include <string>

namespace qor::testing {

// Writes a .tsv file from rows written with '|' between the cells, one row a line.
void WriteTable(const std::string& path, const std::string& rows);

// Copies the extract in tests/tools/minif1db into dir: two seasons (1950: two races, 1951: one
// race) with shared cars, every kind of unplaced entry, two constructors named alike and one
// that clashes with a name of the last season's team list.
void WriteMiniF1db(const std::string& dir);

// Writes a solid-colour PNG (RGB, or RGBA with a transparent first pixel) of w x h pixels.
void WritePng(const std::string& path, int w, int h, unsigned char r, unsigned char g,
              unsigned char b, bool transparentCorner = false);

} // namespace qor::testing
