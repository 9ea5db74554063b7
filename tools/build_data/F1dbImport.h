#pragma once
// The F1DB extract turned into the tables of the results database.

#include "database/STheClass.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qor::tools {

// Reads the F1DB tables of one folder and fills a database with every season they hold.
class F1dbImport {
  public:
    // A driver as shipped: the source's full name and nationality kept for the side files.
    struct Driver {
        std::string id;
        std::uint16_t index = 0;
        std::string name;      // Windows-1254, as stored in the database
        std::string fullName;  // Windows-1254
        std::string countryId; // of the nationality
        int entries = 0;       // result rows
    };
    // A driver nationality with the number of its drivers and their entries.
    struct Nationality {
        std::string name;   // Windows-1254 demonym, as stored in the database
        std::string alpha2; // lower-case ISO code of its country
        int drivers = 0;
        int entries = 0;
    };

    explicit F1dbImport(std::string folder) : folder_(std::move(folder)) {}

    // Fills an empty database with every table; throws BuildError on anything the tables
    // say that cannot be mapped faithfully.
    void Fill(The_Class& db);

    // After Fill: the lines of other_names.txt ("driver name***full name", Windows-1254),
    // for the drivers with the most entries first, only where the full name differs.
    std::vector<std::string> OtherNameLines(std::size_t limit) const;
    // After Fill: the `count` nationalities with the most drivers (ties: more entries first,
    // then by name).
    std::vector<Nationality> TopNationalities(std::size_t count) const;
    const std::vector<Driver>& Drivers() const { return drivers_; }

  private:
    std::string folder_;
    std::vector<Driver> drivers_;
    std::vector<Nationality> nationalities_;
};

} // namespace qor::tools
