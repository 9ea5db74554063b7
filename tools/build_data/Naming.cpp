// Name tables: circuits, Grands Prix and constructors.

#include "Naming.h"

#include "TextFit.h"

#include <array>
#include <utility>

namespace qor::tools {
namespace {

using Pair = std::pair<const char*, const char*>;

// Circuit id -> the name followers use. The names of the last season's calendar (Bahrain's
// "InternationalCircuit", "Monte Carlo", "Spa Francorchamps", ...) are written exactly as
// the GP dialog lists them.
constexpr std::array<Pair, 63> kTracks = {{
    {"adelaide", "Adelaide"},
    {"aida", "Aida"},
    {"ain-diab", "Ain-Diab"},
    {"aintree", "Aintree"},
    {"anderstorp", "Anderstorp"},
    {"avus", "AVUS"},
    {"bahrain", "InternationalCircuit"},
    {"brands-hatch", "Brands Hatch"},
    {"bremgarten", "Bremgarten"},
    {"buenos-aires", "Buenos Aires"},
    {"bugatti", "Le Mans"},
    {"caesars-palace", "Caesars Palace"},
    {"catalunya", "Barcelona"},
    {"clermont-ferrand", "Clermont-Ferrand"},
    {"dallas", "Dallas"},
    {"detroit", "Detroit"},
    {"dijon", "Dijon"},
    {"donington", "Donington"},
    {"east-london", "East London"},
    {"estoril", "Estoril"},
    {"fuji", "Fuji"},
    {"hockenheimring", "Hockenheim"},
    {"hungaroring", "Hungaroring"},
    {"imola", "Imola"},
    {"indianapolis", "Indianapolis"},
    {"interlagos", "Interlagos"},
    {"istanbul", "Istanbul"},
    {"jacarepagua", "Jacarepagua"},
    {"jarama", "Jarama"},
    {"jerez", "Jerez"},
    {"kyalami", "Kyalami"},
    {"long-beach", "Long Beach"},
    {"magny-cours", "Magny-Cours"},
    {"melbourne", "Melbourne"},
    {"mexico-city", "Mexico City"},
    {"monaco", "Monte Carlo"},
    {"monsanto", "Monsanto"},
    {"mont-tremblant", "Mont-Tremblant"},
    {"montjuic", "Montjuic"},
    {"montreal", "Montreal"},
    {"monza", "Monza"},
    {"mosport", "Mosport"},
    {"nivelles", "Nivelles"},
    {"nurburgring", "Nurburgring"},
    {"paul-ricard", "Paul Ricard"},
    {"pedralbes", "Pedralbes"},
    {"pescara", "Pescara"},
    {"phoenix", "Phoenix"},
    {"porto", "Porto"},
    {"reims", "Reims"},
    {"riverside", "Riverside"},
    {"rouen", "Rouen"},
    {"sebring", "Sebring"},
    {"sepang", "Sepang"},
    {"shanghai", "Shanghai"},
    {"silverstone", "Silverstone"},
    {"spa-francorchamps", "Spa Francorchamps"},
    {"spielberg", "A1-Ring"},
    {"suzuka", "Suzuka"},
    {"watkins-glen", "Watkins Glen"},
    {"zandvoort", "Zandvoort"},
    {"zeltweg", "Zeltweg"},
    {"zolder", "Zolder"},
}};

// Constructor id -> name where F1DB's name is not the one to show.
constexpr std::array<Pair, 5> kTeams = {{
    {"osca", "OSCA"},                 // the abbreviation the built-in full names know
    {"midland", "MF1"},               // the last season's team list
    {"bmw-sauber", "Sauber"},         // the last season's team list
    {"sauber", "Sauber (1993-2005)"}, // the 2006 team holds "Sauber"
    {"ats-wheels", "ATS Wheels"},     // the German ATS (1977-84), after the Italian ATS (1963)
}};

constexpr std::array<const char*, 11> kPinnedTeams = {
    "ferrari",    "honda",       "mclaren",    "midland", "red-bull", "renault",
    "bmw-sauber", "super-aguri", "toro-rosso", "toyota",  "williams"};

const char* Lookup(const auto& table, std::string_view id) {
    for (const auto& [key, value] : table)
        if (id == key) return value;
    return nullptr;
}

} // namespace

std::string TrackName(std::string_view circuitId, std::string_view f1dbNameUtf8, int year) {
    if (circuitId == "spielberg" && year < 1990) return ToCp1254("Österreichring");
    if (const char* name = Lookup(kTracks, circuitId)) return name;
    return FitName(ToCp1254(f1dbNameUtf8), 20, "circuit");
}

std::string GPName(std::string_view grandPrixId, std::string_view f1dbNameUtf8) {
    if (grandPrixId == "united-states") return "USA";
    return FitName(ToCp1254(f1dbNameUtf8), 20, "Grand Prix");
}

std::string TeamName(std::string_view constructorId, std::string_view f1dbNameUtf8) {
    if (const char* name = Lookup(kTeams, constructorId)) return name;
    return FitName(ToCp1254(f1dbNameUtf8), 25, "constructor");
}

bool IsPinnedTeamName(std::string_view constructorId) {
    for (const char* id : kPinnedTeams)
        if (constructorId == id) return true;
    return false;
}

} // namespace qor::tools
