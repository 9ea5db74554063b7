#pragma once
// The shared GP results of the service: the list of Grands Prix with the drivers they name,
// the sources of one, one source's content, the download count and the upload.

#include "Accounts.h"
#include "Store.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>

namespace qor::server {

// Answers the "gp" requests with the payloads the program's shared-results window reads.
// Reads are open to anyone; content, download counts and uploads need a log-in.
class Pool {
  public:
    struct Options {
        int SourcesPerUser = 200; // a user's sources at most, so one account cannot flood
    };

    Pool(Store& store, Accounts& accounts, Options options);

    std::string List();
    std::string Sources(std::string_view date, std::string_view name);
    std::string Content(std::string_view user, std::string_view kod, std::string_view id,
                        const std::string& address);
    std::string Acknowledge(std::string_view user, std::string_view kod, std::string_view id,
                            const std::string& address);
    std::string Share(std::string_view user, std::string_view kod, std::string_view content,
                      std::string_view drivers, const std::string& address);

  private:
    Store& store_;
    Accounts& accounts_;
    Options options_;
    // The list is the same for everyone until the store changes: it is built once per
    // revision.
    std::mutex listMutex_;
    std::pair<std::int64_t, std::int64_t> listRevision_{-1, -1};
    std::string list_;
};

// The server-message element of a reply, which the window shows in its message line: the
// operator's message, or why a read was refused.
std::string PoolMessage(std::string_view message);

} // namespace qor::server
