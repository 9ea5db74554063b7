#include "online/UserFile.h"

#include "database/AtomicFile.h"

#include <fstream>

namespace qor::online {

namespace {
constexpr const char* FileName = "qoruser.txt";
}

std::string ReadRememberedUser(const std::string& dataDir) {
    std::ifstream in(dataDir + FileName, std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line)) return {};
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

bool RememberUser(const std::string& dataDir, const std::string& user) {
    const std::string text = user + "\r\n";
    return AtomicFile::Replace(dataDir + FileName,
                               std::vector<std::uint8_t>(text.begin(), text.end()));
}

} // namespace qor::online
