#pragma once
// The message boards of the service: pages of messages with the program's rating, sending,
// marks and deleting one's own messages.

#include "Accounts.h"
#include "Store.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor::online {
class FormFields;
}

namespace qor::server {

// Answers the "msg" requests that name a board with the payloads the program's message frame
// reads. Anyone may read; writing, marking and deleting need a log-in.
class Boards {
  public:
    Boards(Store& store, Accounts& accounts);

    std::string Read(const online::FormFields& fields, const std::string& address);
    std::string Send(const online::FormFields& fields, const std::string& address);

    // A read reply that carries only a status (why no page came).
    static std::string StatusOnly(std::string_view status);

  private:
    Store& store_;
    Accounts& accounts_;
};

// Longest message text in characters, and in bytes (a page must always hold one message).
inline constexpr std::size_t MessageChars = 1000, MessageBytes = 2000;
// Most messages on one page.
inline constexpr std::size_t MessagesPerPage = 10;

// The pages of a board whose message texts (newest first) have these sizes in bytes: the
// index of each page's first message. A page takes messages while the reply still fits what
// the program keeps.
std::vector<std::size_t> CutPages(const std::vector<std::size_t>& sizes);

} // namespace qor::server
