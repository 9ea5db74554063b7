#include "support/ServerProcess.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace qor::testing {

namespace {

// The text after "key" (or from it, with keepKey) to the line end, in the newest outbox mail
// that holds both texts.
std::string FromNewestMail(const std::string& outbox, const std::string& must,
                           const std::string& key, bool keepKey = false) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::vector<fs::path> mails;
    for (const auto& entry : fs::directory_iterator(outbox, ec))
        if (entry.path().extension() == ".eml") mails.push_back(entry.path());
    std::sort(mails.begin(), mails.end(), [&](const fs::path& a, const fs::path& b) {
        return fs::last_write_time(a, ec) < fs::last_write_time(b, ec);
    });
    for (auto it = mails.rbegin(); it != mails.rend(); ++it) {
        const std::string text = ReadFileBytes(it->string());
        const auto at = text.find(key);
        if (text.find(must) == std::string::npos || at == std::string::npos) continue;
        const auto start = keepKey ? at : at + key.size();
        return text.substr(start, text.find_first_of("\r\n", start) - start);
    }
    return {};
}

} // namespace

ServerProcess::ServerProcess() = default;

ServerProcess::~ServerProcess() {
    if (pid_ > 0) Stop();
}

std::string ServerProcess::Binary() {
    return std::string(QOR_BIN_DIR) + "/qor-server";
}

std::string ServerProcess::Address() const {
    return "127.0.0.1:" + std::to_string(port_);
}

std::string ServerProcess::WriteConfig(const std::string& text) const {
    const std::string path = dir_.file("test.ini");
    WriteFileBytes(path, text);
    return path;
}

std::string ServerProcess::Log() const {
    return ReadFileBytes(dir_.file("server.log"));
}

std::string ServerProcess::MailedPassword(const std::string& user) const {
    return FromNewestMail(dir_.file("outbox"), "User name: " + user + "\r", "Password: ");
}

std::string ServerProcess::MailedLink(const std::string& user) const {
    return FromNewestMail(dir_.file("outbox"), "confirm?user=" + user + "&", "/trevask/confirm?",
                          true);
}

int ServerProcess::Start(const std::vector<std::string>& extraArgs) {
    if (pid_ > 0) Stop();
    port_ = 0;
    std::vector<std::string> args = {Binary(),    "--listen",      "127.0.0.1:0", "--data-dir",
                                     dir_.path(), "--content-dir", ContentDir()};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) return 0;
    const std::string log = dir_.file("server.log");
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(out[1], 1);
        const int err = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (err >= 0) ::dup2(err, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    // The one line it prints when ready; a server that dies first closes the pipe.
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd p{out[0], POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0) continue;
        char buf[256];
        const ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        line.append(buf, static_cast<std::size_t>(n));
    }
    ::close(out[0]);
    const std::string prefix = "listening on ";
    if (line.rfind(prefix, 0) != 0 || line.find('\n') == std::string::npos) {
        Kill();
        return 0;
    }
    port_ = std::stoi(line.substr(line.rfind(':') + 1));
    return port_;
}

int ServerProcess::Stop() {
    if (pid_ <= 0) return -1;
    ::kill(pid_, SIGTERM);
    int status = 0;
    bool ended = false;
    for (int i = 0; i < 300 && !ended; ++i) {
        ended = ::waitpid(pid_, &status, WNOHANG) == pid_;
        if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!ended) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
    return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void ServerProcess::Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

} // namespace qor::testing
