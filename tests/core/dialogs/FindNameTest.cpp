// The Find Name search: which lines a search text lists, in which order, and which name a
// chosen line hands to the driver box.

#include "dialogs/FindName.h"

#include <gtest/gtest.h>

#include <memory>

namespace qor {
namespace {

// Six drivers (two Piquets, a name with a Turkish-page letter) and their alternative names:
// one driver has two, one belongs to a name the database does not know.
std::unique_ptr<The_Class> NamesDatabase() {
    auto db = std::make_unique<The_Class>();
    const char* names[] = {"Ayrton Senna",     "Bruno Senna",      "Nelson Piquet",
                           "Nelson Piquet Jr", "Mika H\xE4kkinen", "Alain Prost"};
    for (const char* n : names)
        db->DriverNames[++db->DriverCount].assign_clean(n);
    const std::pair<std::uint16_t, const char*> others[] = {
        {1, "Ayrton Senna da Silva"}, {3, "Nelson Piquet Souto Maior"},
        {3, "Nelson Soutomaior"},     {5, "Mika Pauli H\xE4kkinen"},
        {0, "Nobody Real"},           {6, "Alain Marie Pascal Prost"}};
    for (const auto& [driver, name] : others)
        db->OtherNames.push_back({driver, name});
    db->OtherNameCount = static_cast<std::int32_t>(db->OtherNames.size());
    return db;
}

struct SearchCase {
    const char* text;
    std::vector<std::string> lines;
    const char* why;
};

TEST(FindName, SearchListsNamesAndAlternativeNames) {
    const auto db = NamesDatabase();
    const std::string piquet = "Nelson Piquet [+] Nelson Piquet Souto Maior",
                      soutomaior = "Nelson Piquet [+] Nelson Soutomaior";
    // clang-format off
    const SearchCase cases[] = {
        {"", {}, "an empty text is found nowhere"},
        {"senn", {"Ayrton Senna [+] Ayrton Senna da Silva", "Bruno Senna"},
         "ASCII case folded; the alternative name taken by its driver's line is not repeated"},
        {"piquet", {piquet, "Nelson Piquet Jr"},
         "only the first alternative name joins the driver's line"},
        {"nelson", {piquet, soutomaior, "Nelson Piquet Jr"},
         "a second alternative name that holds the text gets a line of its own"},
        {"souto", {piquet, soutomaior}, "found by the alternative names alone"},
        {"marie", {"Alain Prost [+] Alain Marie Pascal Prost"}, "found by the alternative name"},
        {"h\xE4kk", {"Mika H\xE4kkinen [+] Mika Pauli H\xE4kkinen"}, "a letter as it is"},
        {"H\xC4KK", {}, "letters outside ASCII are not folded"},
        {"nobody", {}, "the alternative name of an unknown driver is never listed"},
    };
    // clang-format on
    for (const SearchCase& c : cases)
        EXPECT_EQ(FindNameList(*db, c.text), c.lines) << c.why;
}

TEST(FindName, ChosenLineGivesTheDriverName) {
    const auto db = NamesDatabase();
    const std::pair<const char*, const char*> cases[] = {
        {"Ayrton Senna [+] Ayrton Senna da Silva", "Ayrton Senna"}, // text before the marker
        {"Bruno Senna", "Bruno Senna"},                             // no marker: the line
        {" [+] Alain Marie Pascal Prost", "Alain Prost"},           // the alternative's driver
    };
    for (const auto& [line, name] : cases)
        EXPECT_EQ(FindNameOfLine(*db, line), name) << line;
}

} // namespace
} // namespace qor
