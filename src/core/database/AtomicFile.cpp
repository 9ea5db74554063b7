#include "database/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qor {
namespace {

int gFailCountdown = 0;

// True when the injected fault fires for this operation.
bool InjectedFault() {
    if (gFailCountdown <= 0) return false;
    return --gFailCountdown == 0;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    // Written in pieces so that an injected fault can stop a write half way.
    constexpr std::size_t kChunk = 64 * 1024;
    std::size_t done = 0;
    while (done < size) {
        if (InjectedFault()) return false;
        const std::size_t n = std::min(kChunk, size - done);
        const ssize_t w = ::write(fd, data + done, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(w);
    }
    return true;
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

void SyncDirectory(const std::string& path) {
    const int dfd = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

bool WriteTemp(const std::string& tmp, const std::vector<std::uint8_t>& data) {
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, data.data(), data.size());
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    return ok;
}

bool Rename(const std::string& from, const std::string& to) {
    if (InjectedFault()) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

} // namespace

void AtomicFile::FailAfterOperations(int n) {
    gFailCountdown = n;
}

bool AtomicFile::ReplaceAll(const std::vector<Item>& items) {
    std::vector<std::string> temps;
    auto removeTemps = [&] {
        for (const auto& t : temps)
            ::unlink(t.c_str());
    };
    for (const auto& item : items) {
        temps.push_back(item.path + ".tmp");
        if (!WriteTemp(temps.back(), *item.data)) {
            removeTemps();
            return false;
        }
    }
    // Keep the old versions under a backup name until every new file is in place, so a
    // failure between two renames can put the first file back.
    std::vector<std::string> backups(items.size());
    std::vector<bool> hadOld(items.size(), false);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (FileExists(items[i].path)) {
            backups[i] = items[i].path + ".bak";
            ::unlink(backups[i].c_str());
            if (::link(items[i].path.c_str(), backups[i].c_str()) != 0) {
                for (std::size_t k = 0; k < i; ++k)
                    if (hadOld[k]) ::unlink(backups[k].c_str());
                removeTemps();
                return false;
            }
            hadOld[i] = true;
        }
    }
    std::size_t renamed = 0;
    bool ok = true;
    for (; renamed < items.size(); ++renamed) {
        if (!Rename(temps[renamed], items[renamed].path)) {
            ok = false;
            break;
        }
    }
    if (!ok) {
        for (std::size_t k = 0; k < renamed; ++k) {
            if (hadOld[k])
                ::rename(backups[k].c_str(), items[k].path.c_str());
            else
                ::unlink(items[k].path.c_str());
        }
        removeTemps();
    }
    for (std::size_t k = 0; k < items.size(); ++k)
        if (hadOld[k]) ::unlink(backups[k].c_str());
    if (!items.empty()) SyncDirectory(items.front().path);
    return ok;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out) {
    out.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    // Sized once from the file's length (one byte more, so that the first read already sees
    // the end): growing by doubling allocated about three times the file and copied it.
    struct stat st {};
    if (::fstat(::fileno(f), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        out.reserve(static_cast<std::size_t>(st.st_size) + 1);
    bool ok = true;
    for (;;) {
        // A file that grew since fstat, or one that reports no size, is read on in blocks.
        const std::size_t have = out.size();
        const std::size_t room = out.capacity() > have ? out.capacity() - have : 64 * 1024;
        out.resize(have + room);
        const std::size_t n = std::fread(out.data() + have, 1, room, f);
        out.resize(have + n);
        if (n < room) {
            ok = !std::ferror(f);
            break;
        }
    }
    std::fclose(f);
    return ok;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace qor
