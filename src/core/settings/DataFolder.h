#pragma once
// Where the programs find their data: the folder given with --data, the build folder, or the
// user's own data folder, seeded from the installed read-only copy.

#include <string>

namespace qor {

// Everything the choice of the data folder depends on; folders end in '/' or are empty.
struct DataFolderPlaces {
    // --data DIR, empty when not given.
    std::string Explicit;
    // The folder the program file is in.
    std::string Program;
    // The installed read-only copy of the shipped files (may not exist).
    std::string Installed;
    // $XDG_DATA_HOME and $HOME, empty when not set.
    std::string XdgDataHome;
    std::string Home;
};

// The data folder a run uses, or why there is none.
struct DataFolderChoice {
    // Ends in '/'; empty when Error is set.
    std::string Folder;
    // A message for the user when the user's data folder could not be made or seeded.
    std::string Error;
};

// The rule: --data wins; a program folder that holds f1data5.dat and is writable (a build
// folder) is used as it is; otherwise $XDG_DATA_HOME/Qor (else $HOME/.local/share/Qor), into
// which every installed file it lacks is copied first. Files already there are never replaced:
// they may be the user's edits.
DataFolderChoice ChooseDataFolder(const DataFolderPlaces& places);
// The same with the places of this run: the running program's folder, its installed copy
// and the environment.
DataFolderChoice ChooseDataFolder(const std::string& explicitFolder);

// The folder the running program file is in, ending in '/'.
std::string ThisProgramFolder();
// The installed read-only copy for a program in programFolder. It is found relative to the
// program, so an install moved as a whole (or staged under DESTDIR) still finds its data, and
// a program run from its build folder never picks up some other installed copy.
std::string InstalledDataFolder(const std::string& programFolder);

// The path of a shipped file (language, help, flags, other names) for a run on `folder`: the
// file there when it exists, else the one in `installed` when that exists, else the path in
// `folder` (so that a message names where it was expected).
std::string DataFilePath(const std::string& folder, const std::string& name,
                         const std::string& installed);
// The same with the running program's installed copy.
std::string DataFilePath(const std::string& folder, const std::string& name);

} // namespace qor
