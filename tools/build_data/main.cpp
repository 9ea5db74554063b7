// qor-build-data: builds the shipped data files from the F1DB extract.

#include "ShippedData.h"
#include "text/Encoding.h"

#include <cstring>
#include <iostream>

namespace {

void Usage(std::ostream& os) {
    os << "usage: qor-build-data --f1db DIR [--flags DIR] [--out DIR]\n"
          "  --f1db DIR   the F1DB extract (.tsv files)\n"
          "  --flags DIR  PNG flags by ISO code (default /usr/share/flags/countries/16x11,\n"
          "               from the Debian package famfamfam-flag-png)\n"
          "  --out DIR    where f1data5.dat, other_names.txt and flags.dat go (default data)\n";
}

} // namespace

int main(int argc, char** argv) {
    qor::tools::ShippedDataOptions options;
    options.flagDir = "/usr/share/flags/countries/16x11";
    options.outDir = "data";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--f1db" && hasValue)
            options.f1dbDir = argv[++i];
        else if (a == "--flags" && hasValue)
            options.flagDir = argv[++i];
        else if (a == "--out" && hasValue)
            options.outDir = argv[++i];
        else if (a == "--help" || a == "-h") {
            Usage(std::cout);
            return 0;
        } else {
            Usage(std::cerr);
            return 64;
        }
    }
    if (options.f1dbDir.empty()) {
        Usage(std::cerr);
        return 64;
    }
    std::string summary;
    const std::string error = qor::tools::BuildShippedData(options, &summary);
    if (!error.empty()) {
        std::cerr << "qor-build-data: " << error << "\n";
        return 1;
    }
    std::cout << qor::Cp1254ToUtf8(summary);
    return 0;
}
