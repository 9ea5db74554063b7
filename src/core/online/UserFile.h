#pragma once
// qoruser.txt in the data folder: the last user name that logged in.

#include <string>

namespace qor::online {

// The first line of the file; empty when it is missing or unreadable.
std::string ReadRememberedUser(const std::string& dataDir);
// Rewrites the file with the name as its only line; false when it cannot be written.
bool RememberUser(const std::string& dataDir, const std::string& user);

} // namespace qor::online
