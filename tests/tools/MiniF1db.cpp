#include "MiniF1db.h"

#include <fstream>
#include <png.h>
#include <stdexcept>

namespace qor::testing {

void WriteTsv(const std::string& path, const TsvRows& rows) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            out << (i ? "\t" : "") << row[i];
        out << "\n";
    }
}

void WriteMiniF1db(const std::string& dir) {
    WriteTsv(dir + "races.tsv",
             {
                 {"race_id", "year", "round", "date", "grand_prix_id", "circuit_id", "laps"},
                 {"3", "1951", "1", "1951-07-01", "france", "reims", "77"},
                 {"1", "1950", "1", "1950-05-13", "great-britain", "silverstone", "70"},
                 {"2", "1950", "2", "1950-05-21", "monaco", "monaco", "100"},
             });
    WriteTsv(
        dir + "race_results.tsv",
        {
            {"race_id", "display_order", "position", "driver_id", "constructor_id",
             "engine_manufacturer_id", "shared_car", "laps", "time", "gap", "reason_retired",
             "points", "grid_position"},
            {"1", "1", "1", "farina", "alfa-romeo", "alfa-romeo", "0", "70", "2:13:23.600", "", "",
             "9", "1"},
            {"1", "2", "2", "fagioli", "alfa-romeo", "alfa-romeo", "0", "70", "2:13:26.200",
             "+2.600", "", "6", "2"},
            {"1", "4", "DNQ", "rolt", "era", "era", "0", "", "", "", "", "", ""},
            {"1", "3", "DNF", "fangio", "alfa-romeo", "alfa-romeo", "0", "62", "", "", "Oil pipe",
             "", "3"},
            {"1", "5", "3", "parnell", "alfa-romeo", "alfa-romeo", "1", "", "", "", "", "", ""},
            {"1", "6", "DNS", "moss", "lotus", "climax", "0", "", "", "", "Injury", "", "4"},
            {"1", "7", "4", "los", "era", "era", "0", "60", "", "", "Engine", "", "5"},
            {"2", "1", "1", "fangio", "alfa-romeo", "alfa-romeo", "0", "100", "3:13:18.700", "", "",
             "9", "1"},
            {"2", "2", "2", "fagioli", "alfa-romeo", "alfa-romeo", "0", "99", "", "+1 lap", "", "6",
             "PL"},
            {"2", "3", "NC", "rolt", "era", "era", "0", "80", "", "+20 laps", "", "", "5"},
            {"2", "4", "DSQ", "farina", "alfa-romeo", "alfa-romeo", "0", "90", "", "", "Push start",
             "", "2"},
            {"2", "5", "EX", "ascari", "old-ferrari", "ferrari", "0", "", "", "", "", "", ""},
            {"2", "6", "DNP", "moss", "lotus", "climax", "0", "", "", "", "", "", ""},
            {"3", "1", "1", "fagioli", "alfa-romeo", "alfa-romeo", "0", "77", "3:22:11.000", "", "",
             "4", "7"},
            {"3", "2", "1", "fangio", "alfa-romeo", "alfa-romeo", "1", "", "", "", "", "5", ""},
            {"3", "3", "2", "ascari", "ferrari", "ferrari", "0", "74", "", "+3 laps", "", "6", "3"},
            {"3", "4", "DNPQ", "moss", "lotus-racing", "climax", "0", "", "", "", "", "", ""},
        });
    WriteTsv(dir + "drivers.tsv",
             {
                 {"driver_id", "name", "first_name", "last_name", "full_name",
                  "nationality_country_id", "date_of_birth"},
                 {"farina", "Nino Farina", "Nino", "Farina", "Emilio Giuseppe Farina", "italy",
                  "1906-10-30"},
                 {"fagioli", "Luigi Fagioli", "Luigi", "Fagioli", "Luigi Fagioli", "italy",
                  "1898-06-09"},
                 {"fangio", "Juan Manuel Fangio", "Juan Manuel", "Fangio", "Juan Manuel Fangio",
                  "argentina", "1911-06-24"},
                 {"rolt", "Tony Rolt", "Tony", "Rolt", "Anthony Peter Roylance Rolt",
                  "united-kingdom", "1918-10-16"},
                 {"parnell", "Reg Parnell", "Reg", "Parnell", "Reginald Parnell", "united-kingdom",
                  "1911-07-02"},
                 {"moss", "Stirling Moss", "Stirling", "Moss", "Stirling Craufurd Moss",
                  "united-kingdom", "1929-09-17"},
                 {"ascari", "Alberto Ascari", "Alberto", "Ascari", "Alberto Ascari", "italy",
                  "1918-07-13"},
                 {"los", "Jan Łoś", "Jan", "Łoś", "Jan Łoś", "poland", "1920-01-01"},
                 {"nobody", "Never Raced", "Never", "Raced", "Never Raced", "france", "1920-01-01"},
             });
    WriteTsv(dir + "countries.tsv",
             {
                 {"country_id", "name", "demonym", "alpha2_code", "alpha3_code"},
                 {"argentina", "Argentina", "Argentine", "AR", "ARG"},
                 {"france", "France", "French", "FR", "FRA"},
                 {"italy", "Italy", "Italian", "IT", "ITA"},
                 {"poland", "Poland", "Polish", "PL", "POL"},
                 {"united-kingdom", "United Kingdom", "British", "GB", "GBR"},
                 {"united-states-of-america", "United States of America", "American", "US", "USA"},
             });
    WriteTsv(dir + "constructors.tsv",
             {
                 {"constructor_id", "name", "full_name", "country_id"},
                 {"alfa-romeo", "Alfa Romeo", "Alfa Romeo", "italy"},
                 {"era", "ERA", "English Racing Automobiles", "united-kingdom"},
                 {"ferrari", "Ferrari", "Scuderia Ferrari", "italy"},
                 {"old-ferrari", "Ferrari", "Auto Avio Costruzioni", "italy"},
                 {"lotus", "Lotus", "Team Lotus", "united-kingdom"},
                 {"lotus-racing", "Lotus", "Lotus Racing", "united-states-of-america"},
             });
    WriteTsv(dir + "engine_manufacturers.tsv", {
                                                   {"engine_manufacturer_id", "name", "country_id"},
                                                   {"alfa-romeo", "Alfa Romeo", "italy"},
                                                   {"climax", "Climax", "united-kingdom"},
                                                   {"era", "ERA", "united-kingdom"},
                                                   {"ferrari", "Ferrari", "italy"},
                                               });
    WriteTsv(
        dir + "circuits.tsv",
        {
            {"circuit_id", "name", "full_name", "place_name", "country_id"},
            {"monaco", "Monaco", "Circuit de Monaco", "Monte Carlo", "monaco"},
            {"reims", "Reims-Gueux", "Reims-Gueux", "Reims", "france"},
            {"silverstone", "Silverstone", "Silverstone Circuit", "Silverstone", "united-kingdom"},
        });
    WriteTsv(dir + "grands_prix.tsv",
             {
                 {"grand_prix_id", "name", "full_name", "short_name", "country_id"},
                 {"france", "France", "French Grand Prix", "French GP", "france"},
                 {"great-britain", "Great Britain", "British Grand Prix", "British GP",
                  "united-kingdom"},
                 {"monaco", "Monaco", "Monaco Grand Prix", "Monaco GP", "monaco"},
             });
    WriteTsv(dir + "fastest_laps.tsv",
             {
                 {"race_id", "driver_id", "constructor_id", "lap", "time"},
                 {"1", "farina", "alfa-romeo", "2", "1:50.600"},
                 {"2", "fangio", "alfa-romeo", "", "1:51.000"},
                 {"3", "fangio", "alfa-romeo", "", ""},
             });
    WriteTsv(dir + "pole_positions.tsv",
             {
                 {"race_id", "driver_id", "constructor_id", "time", "source"},
                 {"1", "farina", "alfa-romeo", "1:50.800", "qualifying"},
                 {"2", "fangio", "alfa-romeo", "1:50.200", "qualifying"},
                 {"3", "fangio", "alfa-romeo", "", "qualifying"},
             });
    WriteTsv(dir + "driver_standings.tsv", {
                                               {"year", "position", "driver_id", "points"},
                                               {"1950", "1", "farina", "9"},
                                               {"1950", "2", "fangio", "9"},
                                               {"1950", "3", "fagioli", "6"},
                                               {"1950", "4", "rolt", "0"},
                                               {"1951", "1", "fangio", "5.5"},
                                               {"1951", "2", "ascari", "4"},
                                           });
    WriteTsv(dir + "constructor_standings.tsv",
             {
                 {"year", "position", "constructor_id", "engine_manufacturer_id", "points"},
                 {"1951", "1", "alfa-romeo", "alfa-romeo", "9"},
                 {"1951", "2", "ferrari", "ferrari", "6"},
             });
}

void WritePng(const std::string& path, int w, int h, unsigned char r, unsigned char g,
              unsigned char b, bool transparentCorner) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(w);
    image.height = static_cast<png_uint_32>(h);
    image.format = transparentCorner ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    const std::size_t channels = transparentCorner ? 4 : 3;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(w * h) * channels);
    for (std::size_t i = 0; i < pixels.size(); i += channels) {
        pixels[i] = r;
        pixels[i + 1] = g;
        pixels[i + 2] = b;
        if (channels == 4) pixels[i + 3] = i == 0 ? 0 : 255;
    }
    if (!png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr))
        throw std::runtime_error("cannot write " + path);
}

} // namespace qor::testing
