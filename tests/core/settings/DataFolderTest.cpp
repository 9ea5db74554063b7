// The data folder of a run: which folder wins and how a folder that cannot be used is named.
// Seeding and the lookup order are run end to end by the install test.

#include "settings/DataFolder.h"
#include "support/Fixtures.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace qor {
namespace {

using testing::TempDir;
using testing::WriteFileBytes;

// A temporary tree: "installed/" holds the shipped files, "bin/" the program.
class DataFolderTest : public ::testing::Test {
  protected:
    DataFolderTest() {
        std::filesystem::create_directories(dir_.file("bin"));
        std::filesystem::create_directories(dir_.file("installed"));
        WriteFileBytes(dir_.file("installed/f1data5.dat"), "shipped database");
        WriteFileBytes(dir_.file("installed/TR.dt"), "shipped language");
    }
    DataFolderPlaces Places() const {
        return {{}, dir_.file("bin/"), dir_.file("installed/"), {}, dir_.file("home")};
    }
    TempDir dir_;
};

TEST_F(DataFolderTest, ChoosesTheFolderByTheRule) {
    struct Row {
        const char* explicitFolder;
        bool programHoldsData;
        const char* xdgDataHome; // relative to the temporary tree unless it starts with '~'
        bool home;
        const char* expected; // relative to the temporary tree; empty: an error
        const char* why;
    };
    const Row rows[] = {
        {"mine", true, "xdg", true, "mine/", "--data wins over everything"},
        {"", true, "xdg", true, "bin/", "a build folder keeps its own data"},
        {"", false, "xdg", true, "xdg/Qor/", "XDG_DATA_HOME comes before HOME"},
        {"", false, "~relative", true, "home/.local/share/Qor/", "a relative XDG path is ignored"},
        {"", false, "", true, "home/.local/share/Qor/", "HOME alone"},
        {"", false, "", false, "", "no home at all"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        TempDir tree;
        std::filesystem::copy(dir_.path(), tree.path(), std::filesystem::copy_options::recursive);
        if (r.programHoldsData) WriteFileBytes(tree.file("bin/f1data5.dat"), "build");
        DataFolderPlaces places{{}, tree.file("bin/"), tree.file("installed/"), {}, {}};
        if (*r.explicitFolder) places.Explicit = tree.file(r.explicitFolder);
        const std::string xdg = r.xdgDataHome;
        if (!xdg.empty()) places.XdgDataHome = xdg[0] == '~' ? xdg.substr(1) : tree.file(xdg);
        if (r.home) places.Home = tree.file("home");
        const DataFolderChoice c = ChooseDataFolder(places);
        if (!*r.expected) {
            EXPECT_EQ(c.Folder, "");
            EXPECT_EQ(c.Error,
                      "Cannot find the data folder: neither XDG_DATA_HOME nor HOME is set");
            continue;
        }
        EXPECT_EQ(c.Error, "");
        EXPECT_EQ(c.Folder, tree.file(r.expected));
        // Only the user's folder is seeded; --data and the build folder are used as they are.
        const bool seeded = std::string(r.expected).ends_with("Qor/");
        EXPECT_EQ(std::filesystem::exists(c.Folder + "TR.dt"), seeded);
    }
}

// A folder that cannot be made is the install test's; here one that cannot be filled.
TEST_F(DataFolderTest, AFolderThatCannotBeFilledIsNamed) {
    DataFolderPlaces places = Places();
    places.Installed = dir_.file("nowhere/");
    EXPECT_EQ(ChooseDataFolder(places).Error,
              "No data: " + dir_.file("home/.local/share/Qor/") +
                  " holds no f1data5.dat and there is no installed copy in " +
                  dir_.file("nowhere/"));
}

} // namespace
} // namespace qor
