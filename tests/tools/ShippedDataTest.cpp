// The builder: the three files from an extract, the committed files rebuilt byte for byte.

#include "ShippedData.h"
#include "MiniF1db.h"
#include "database/Flags.h"
#include "database/STheClass.h"
#include "support/Fixtures.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace qor;
using namespace qor::testing;
using namespace qor::tools;

namespace {

// The builder's input: the small extract and four flag pictures.
class Builder : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(src.path() + "f1db");
        std::filesystem::create_directories(src.path() + "flags");
        WriteMiniF1db(src.path() + "f1db/");
        WritePng(src.file("flags/it.png"), 16, 11, 0, 146, 70);
        WritePng(src.file("flags/gb.png"), 16, 11, 1, 33, 105);
        WritePng(src.file("flags/ar.png"), 16, 11, 116, 172, 223, true);
        WritePng(src.file("flags/pl.png"), 15, 11, 220, 20, 60); // rows padded to 48 bytes
    }
    ShippedDataOptions Options(const TempDir& out) const {
        return {src.path() + "f1db", src.path() + "flags", out.path()};
    }
    TempDir src;
};

} // namespace

TEST_F(Builder, WritesTheThreeFilesThatTheProgramReadsAndTheSameBytesAgain) {
    TempDir out, again;
    ASSERT_EQ(BuildShippedData(Options(out)), "");
    The_Class db;
    db.DataPath = out.path();
    ASSERT_EQ(db.LoadDatabase("f1data5.dat", "f1notes5.dat", 1), 0) << db.LastError;
    EXPECT_EQ(db.GPCount, 3);
    ASSERT_EQ(db.OtherNameCount, 4);
    EXPECT_EQ(ReadFileBytes(out.file("other_names.txt")).substr(0, 40),
              "Stirling Moss***Stirling Craufurd Moss\r\n");
    FlagImages flags;
    ASSERT_TRUE(flags.LoadFlags(out.file("flags.dat")));
    EXPECT_EQ(flags.Count(), 4u);
    const auto bmp =
        flags.PictureAt(flags.FindFlag(db.DriverNatName(db.FindDriver("Jan Los")) + ".bmp"));
    ASSERT_EQ(bmp.size(), 54u + 48 * 11); // bottom-up rows of 15 pixels and 3 padding bytes
    EXPECT_EQ(std::vector<std::uint8_t>(bmp.begin() + 54, bmp.begin() + 57),
              (std::vector<std::uint8_t>{60, 20, 220})); // Poland's colour, blue first
    // Argentina's picture has a transparent top-left pixel: white over the last stored row.
    const auto ar = flags.PictureAt(flags.FindFlag("argentine.bmp"));
    EXPECT_EQ(std::vector<std::uint8_t>(ar.end() - 48, ar.end() - 42),
              (std::vector<std::uint8_t>{255, 255, 255, 223, 172, 116}));

    ASSERT_EQ(BuildShippedData(Options(again)), "");
    for (const char* f : {"f1data5.dat", "other_names.txt", "flags.dat"})
        EXPECT_EQ(ReadFileBytes(out.file(f)), ReadFileBytes(again.file(f))) << f;
}

TEST_F(Builder, MissingInputFailsWithoutWritingAnything) {
    std::filesystem::remove(src.file("flags/pl.png"));
    TempDir out;
    EXPECT_NE(BuildShippedData(Options(out)).find("Polish"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out.file("f1data5.dat")));
    std::filesystem::remove(src.file("f1db/races.tsv"));
    EXPECT_NE(BuildShippedData(Options(out)).find("races.tsv"), std::string::npos);
}

// The committed data files are exactly what the builder makes of the F1DB extract.
TEST(ShippedData, CommittedFilesRebuildByteForByte) {
    const std::string f1db = QOR_SOURCE_DIR "/../shared/data/f1db";
    const std::string flagDir = "/usr/share/flags/countries/16x11";
    if (!std::filesystem::exists(f1db + "/races.tsv"))
        GTEST_SKIP() << "skipped: the F1DB extract (../shared/data/f1db) is not present";
    if (!std::filesystem::exists(flagDir))
        GTEST_SKIP() << "skipped: famfamfam-flag-png is not installed (scripts/deps.sh tools)";
    TempDir out;
    ASSERT_EQ(BuildShippedData({f1db, flagDir, out.path()}), "");
    for (const char* f : {"f1data5.dat", "other_names.txt", "flags.dat"})
        EXPECT_TRUE(ReadFileBytes(out.file(f)) ==
                    ReadFileBytes(QOR_SOURCE_DIR "/data/" + std::string(f)))
            << f << " differs from the committed file: rebuild the data (tools/README.md)";
}
