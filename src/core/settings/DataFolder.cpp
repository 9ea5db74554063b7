#include "settings/DataFolder.h"

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

// Builds that do not install (the fuzz targets) take the standard layout.
#ifndef QOR_INSTALLED_DATA_FROM_BINDIR
#define QOR_INSTALLED_DATA_FROM_BINDIR "../share/qor"
#endif

namespace qor {
namespace {

constexpr const char* kDataFile = "f1data5.dat";

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// Copies one installed file in under a temporary name first, so that an interrupted copy
// never leaves a half file that a later start would take for the user's own.
bool CopyIn(const fs::path& from, const fs::path& to, std::error_code& ec) {
    fs::path part = to;
    part += ".part";
    if (!fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec)) return false;
    // The installed copy is read-only; the user's copy is the one that gets edited.
    fs::permissions(part, fs::perms::owner_write, fs::perm_options::add, ec);
    if (!ec) fs::rename(part, to, ec);
    if (ec) fs::remove(part);
    return !ec;
}

// Copies every installed file the folder lacks; an error message, empty on success.
std::string Seed(const std::string& folder, const std::string& installed) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return "Cannot create the data folder " + folder + " (" + ec.message() + ")";
    for (fs::directory_iterator it(installed, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const fs::path target = fs::path(folder) / it->path().filename();
        // symlink_status: a dangling link is the user's business too, not a missing file.
        if (fs::symlink_status(target, ec).type() != fs::file_type::not_found) continue;
        if (!CopyIn(it->path(), target, ec))
            return "Cannot copy " + it->path().string() + " into " + folder + " (" + ec.message() +
                   ")";
    }
    if (!IsFile(folder + kDataFile))
        return "No data: " + folder + " holds no " + kDataFile +
               " and there is no installed copy in " + installed;
    return {};
}

} // namespace

DataFolderChoice ChooseDataFolder(const DataFolderPlaces& places) {
    if (!places.Explicit.empty()) return {WithSlash(places.Explicit), {}};
    const std::string program = WithSlash(places.Program);
    if (IsFile(program + kDataFile) && ::access(program.c_str(), W_OK) == 0) return {program, {}};

    std::string base;
    // Relative values are to be ignored, as the XDG base directory rules say.
    if (places.XdgDataHome.starts_with('/'))
        base = WithSlash(places.XdgDataHome);
    else if (!places.Home.empty())
        base = WithSlash(places.Home) + ".local/share/";
    else
        return {{}, "Cannot find the data folder: neither XDG_DATA_HOME nor HOME is set"};
    const std::string folder = base + "Qor/";
    std::string error = Seed(folder, WithSlash(places.Installed));
    if (!error.empty()) return {{}, std::move(error)};
    return {folder, {}};
}

DataFolderChoice ChooseDataFolder(const std::string& explicitFolder) {
    DataFolderPlaces places;
    places.Explicit = explicitFolder;
    places.Program = ThisProgramFolder();
    places.Installed = InstalledDataFolder(places.Program);
    if (const char* xdg = std::getenv("XDG_DATA_HOME")) places.XdgDataHome = xdg;
    if (const char* home = std::getenv("HOME")) places.Home = home;
    return ChooseDataFolder(places);
}

std::string ThisProgramFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    const std::string path(buf, static_cast<std::size_t>(n));
    return path.substr(0, path.find_last_of('/') + 1);
}

std::string InstalledDataFolder(const std::string& programFolder) {
    // The relative path from the install's bindir to its datadir/qor, set by the build.
    return WithSlash(WithSlash(programFolder) + QOR_INSTALLED_DATA_FROM_BINDIR);
}

std::string DataFilePath(const std::string& folder, const std::string& name,
                         const std::string& installed) {
    const std::string own = WithSlash(folder) + name;
    if (IsFile(own) || installed.empty()) return own;
    const std::string shipped = WithSlash(installed) + name;
    return IsFile(shipped) ? shipped : own;
}

std::string DataFilePath(const std::string& folder, const std::string& name) {
    static const std::string installed = InstalledDataFolder(ThisProgramFolder());
    return DataFilePath(folder, name, installed);
}

} // namespace qor
