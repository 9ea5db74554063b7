#pragma once
// Outgoing mail: each message is written to the outbox folder as one .eml file; with an SMTP
// URL it is then sent through libcurl and removed from the outbox.

#include <mutex>
#include <string>

namespace qor::server {

// One mail to one recipient, plain text.
struct Mail {
    std::string To, Subject, Body;
};

// Thread-safe; one per service run.
class Mailer {
  public:
    Mailer(std::string outboxDir, std::string from, std::string smtpUrl = {});

    // Writes (and sends, when configured) the mail; the path of the outbox file, or empty
    // when it could not be written. A failed sending leaves the file for the operator.
    std::string Send(const Mail& mail);
    const std::string& OutboxDir() const { return outbox_; }
    bool SendsBySmtp() const { return !smtp_.empty(); }

  private:
    bool SendSmtp(const Mail& mail, const std::string& message);

    std::string outbox_, from_, smtp_;
    std::mutex mutex_;
    unsigned sequence_ = 0;
};

// The message text of a mail: RFC 5322 headers and the body with CRLF line ends.
std::string FormatMail(const std::string& from, const Mail& mail);

} // namespace qor::server
