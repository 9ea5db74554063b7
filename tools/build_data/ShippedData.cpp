// The builder's steps: import, check, save, side files.

#include "ShippedData.h"

#include "Bmp.h"
#include "BuildError.h"
#include "F1dbImport.h"
#include "PngPicture.h"
#include "database/AtomicFile.h"
#include "database/Flags.h"
#include "database/Invariants.h"
#include "database/STheClass.h"

#include <memory>

namespace qor::tools {
namespace {

std::string Folder(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

std::vector<std::uint8_t> FlagsImage(const F1dbImport& import, const std::string& flagDir,
                                     std::string& names) {
    std::vector<FlagPicture> pictures;
    for (const auto& nat : import.TopNationalities(ShippedFlags)) {
        RgbPicture png;
        std::string error;
        if (nat.alpha2.empty() || !ReadPng(flagDir + nat.alpha2 + ".png", png, error))
            throw BuildError("no flag for " + nat.name + (error.empty() ? "" : ": " + error));
        FlagPicture p;
        p.name = nat.name + ".bmp";
        p.bmp = EncodeBmp24(png.width, png.height, png.rgb);
        if (p.bmp.empty()) throw BuildError("flag of " + nat.name + " cannot be stored");
        names += (names.empty() ? "" : ", ") + nat.name;
        pictures.push_back(std::move(p));
    }
    auto image = FlagImages::BuildImage(pictures);
    if (image.empty()) throw BuildError("the flags do not fit flags.dat");
    return image;
}

} // namespace

std::string BuildShippedData(const ShippedDataOptions& options, std::string* summary) {
    try {
        const std::string out = Folder(options.outDir);
        auto db = std::make_unique<The_Class>();
        F1dbImport import(options.f1dbDir);
        import.Fill(*db);
        if (const std::string v = FirstViolation(*db); !v.empty())
            throw BuildError("the built database breaks a rule: " + v);

        std::vector<std::uint8_t> otherNames;
        for (const std::string& line : import.OtherNameLines(ShippedOtherNames)) {
            otherNames.insert(otherNames.end(), line.begin(), line.end());
            otherNames.push_back('\r');
            otherNames.push_back('\n');
        }
        std::string flagNames;
        const std::vector<std::uint8_t> flags =
            FlagsImage(import, Folder(options.flagDir), flagNames);
        const std::vector<std::uint8_t> data = db->BuildDataImage();
        if (!AtomicFile::ReplaceAll({{out + "f1data5.dat", &data},
                                     {out + "other_names.txt", &otherNames},
                                     {out + "flags.dat", &flags}}))
            throw BuildError("cannot write the files into " + out);

        // The written file must load as the program loads it.
        The_Class check;
        check.DataPath = out;
        if (check.LoadDatabase("f1data5.dat", "f1notes5.dat", 1) != 0)
            throw BuildError("the written data file does not load: " + check.LastError);

        if (summary) {
            *summary = "seasons " + std::to_string(db->SeasonCount) + ", GPs " +
                       std::to_string(db->GPCount) + ", results " +
                       std::to_string(db->ResultCount) + ", drivers " +
                       std::to_string(db->DriverCount) + ", teams " +
                       std::to_string(db->TeamCount) + ", descriptions " +
                       std::to_string(db->ReasonCount) + "\n" + "f1data5.dat " +
                       std::to_string(data.size()) + " bytes, other_names.txt " +
                       std::to_string(otherNames.size()) + " bytes (" +
                       std::to_string(check.OtherNameCount) + " names), flags.dat " +
                       std::to_string(flags.size()) + " bytes\nflags: " + flagNames + "\n";
        }
        return std::string();
    } catch (const BuildError& e) {
        return e.what();
    }
}

} // namespace qor::tools
