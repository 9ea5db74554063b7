#pragma once
// The two plain HTTP calls under the download threads (libcurl, with the request time limits).

#include <cstddef>
#include <string>

namespace qor::online {

// Fetches a URL with one read of at most `limit` bytes; false on any failure.
bool FetchCapped(const std::string& url, const char* agent, std::size_t limit, std::string& out);
// Posts a body (with its trailing zero byte) and reads nothing back; false when it could not
// be sent.
bool PostOnly(const std::string& url, const char* agent, const std::string& body);

} // namespace qor::online
