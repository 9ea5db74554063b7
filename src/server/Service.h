#pragma once
// The HTTP face of the service: the discovery file, the content files, the confirmation link
// and the service script that every online request of the program is posted to.

#include "AccessLog.h"
#include "Accounts.h"
#include "Boards.h"
#include "Guard.h"
#include "Guesses.h"
#include "Pool.h"
#include "ServerConfig.h"

#include <string>
#include <string_view>

namespace httplib {
class Server;
struct Request;
} // namespace httplib

namespace qor::server {

// Routes requests to the account, shared-results, message-board and guess-game operations; every
// answer of the service script is a framed payload with HTTP status 200, refusals included.
class Service {
  public:
    Service(const ServerConfig& config, Accounts& accounts, Pool& pool, Boards& boards,
            Guesses& guesses, Guard& guard, AccessLog* log);

    // The framed reply to one body posted to the service script (counted against the
    // address's request rate).
    std::string Dispatch(std::string_view body, const std::string& address);
    // Installs routes, limits, error handlers and the access log on a server.
    void Install(httplib::Server& server);
    const std::string& DiscoveryFile() const { return discovery_; }

  private:
    std::string ClientAddress(const httplib::Request& request) const;
    void Log(const httplib::Request& request, int status, std::size_t bytes) const;

    const ServerConfig& config_;
    Accounts& accounts_;
    Pool& pool_;
    Boards& boards_;
    Guesses& guesses_;
    Guard& guard_;
    AccessLog* log_;
    std::string discovery_;
};

} // namespace qor::server
