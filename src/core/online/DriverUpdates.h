#pragma once
// The driver update file of the web host: new drivers to add and addresses to notify.

#include <string>
#include <string_view>
#include <vector>

namespace qor {
class The_Class;
}

namespace qor::online {

// What a driver update file asks for.
struct DriverUpdateFile {
    struct Driver {
        std::string Name; // already capitalised
        std::string Nationality;
    };
    struct Notification {
        std::string Host, Path;
    };
    std::vector<Driver> Drivers;
    std::vector<Notification> Notifications;
};

// The lines of a file whose first line is "*****"; an empty result otherwise. Lines are
// trimmed; blank lines and lines of other forms are skipped.
DriverUpdateFile ParseDriverUpdates(std::string_view text);

// "ABC DEF" -> "Abc Def": A-Z lower-cased, then the first character and the one after the
// first blank upper-cased.
std::string CapitaliseDriverName(std::string_view name);

// Adds the drivers the database does not know yet; returns the list text, for each driver
// added "\r" + label + name + gap + nationality. Nothing is saved here.
std::string AddNewDrivers(The_Class& db, const std::vector<DriverUpdateFile::Driver>& drivers,
                          std::string_view label = "Driver:", std::string_view gap = " ");
// A "#" name "*" nationality line as a driver (name capitalised); false for other lines.
bool ParseDriverLine(std::string_view line, DriverUpdateFile::Driver& driver);

} // namespace qor::online
