#pragma once
// Databases built in memory for tests and benchmarks, data file images, temporary folders.

#include "database/STheClass.h"

#include <memory>
#include <string>

namespace qor::testing {

// Appends rows in chronological order, keeping every range field consistent.
class DatabaseBuilder {
  public:
    explicit DatabaseBuilder(The_Class& db) : db_(db) {}

    std::uint16_t Driver(const std::string& name, std::uint8_t nat = 0);
    std::uint8_t Team(const std::string& name, std::uint8_t country = 0);
    std::uint8_t Track(const std::string& t) { return Add8(db_.TrackNames, db_.TrackCount, t); }
    std::uint8_t GPName(const std::string& t) { return Add8(db_.GPNames, db_.GPNameCount, t); }
    std::uint16_t Reason(const std::string& t) { return Add(db_.Reasons, db_.ReasonCount, t); }
    std::uint8_t Nationality(const std::string& t) {
        return Add8(db_.Nationalities, db_.NationalityCount, t);
    }
    std::uint8_t Country(const std::string& t) { return Add8(db_.Countries, db_.CountryCount, t); }
    std::uint8_t Remark(const std::string& en, const std::string& tr);
    std::uint16_t Note(const std::string& text); // returns the note's reason code

    // Opens seasons up to and including `year` (all of them empty).
    void SeasonsUpTo(int year);
    // Appends a GP to its (last opened) season; dates must come in increasing order.
    std::uint16_t GP(int year, int month, int day, std::uint8_t track, std::uint8_t name,
                     std::uint8_t laps = 0);
    // Appends a result to the last GP (callers add them in position order).
    std::uint16_t Result(std::uint16_t driver, std::uint8_t pos, std::uint8_t team,
                         std::uint32_t time, std::uint16_t reason, std::uint16_t grid = 0);
    std::uint16_t DriverStanding(int year, std::uint16_t driver, std::uint8_t team, float points);
    std::uint16_t TeamStanding(int year, std::uint16_t team, const std::string& name, float points);

  private:
    // Appends a name to a table and returns its index.
    template <typename Table>
    std::uint16_t Add(Table& table, std::uint16_t& count, const std::string& text) {
        table[++count].assign_clean(text);
        return count;
    }
    template <typename Table>
    std::uint8_t Add8(Table& table, std::uint16_t& count, const std::string& text) {
        return static_cast<std::uint8_t>(Add(table, count, text));
    }
    The_Class& db_;
};

std::uint16_t PackDate(int year, int month, int day);

// A small but complete database: three seasons (1950..1952), names, GPs, results, standings.
std::unique_ptr<The_Class> MakeSmallDatabase();
// A database with every table at or near its capacity (for load/save benchmarks and tests).
std::unique_ptr<The_Class> MakeFullSizeDatabase();
// The small database extended to 2006: empty seasons 1953..2004, then 2005 with six GPs and
// 2006 with five, each with twelve results (ten placed, two unplaced, one of them with a note),
// and stored standings for both seasons that differ from the computed ones.
std::unique_ptr<The_Class> MakeModernDatabase();

// The first difference between two databases' tables, counters, notes and settings, comparing
// every table over its whole capacity (so writes beyond a counter show too); empty when equal.
std::string FirstDifference(const TheClassData& a, const TheClassData& b);

// Fields of block k's directory entry in a data file image (0 offset, 1 size, 2 count).
std::uint32_t DirField(const std::vector<std::uint8_t>& img, int k, int field);
void SetDirField(std::vector<std::uint8_t>& img, int k, int field, std::uint32_t value);
// Appends a block to the image and points entry k at it.
void AppendBlock(std::vector<std::uint8_t>& img, int k, const std::vector<std::uint8_t>& block,
                 std::uint32_t count);
// The database's image in the "1.00" layout older program versions wrote: 10-byte season rows
// and standings rows that carry their year.
std::vector<std::uint8_t> OldLayoutImage(const The_Class& db);

// A fresh folder under the system's temporary folder, removed with its content afterwards.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // The folder path, ending in '/'.
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

} // namespace qor::testing
