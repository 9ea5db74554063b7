#include "Mailer.h"

#include <curl/curl.h>
#include <sodium.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace qor::server {

namespace {

// Header values must not carry line breaks (a hostile address could add headers).
std::string HeaderValue(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '\r' && c != '\n') out += c;
    return out;
}

struct Upload {
    const std::string& text;
    std::size_t offset = 0;
};

std::size_t ReadUpload(char* buffer, std::size_t size, std::size_t count, void* user) {
    auto* up = static_cast<Upload*>(user);
    const std::size_t n = std::min(size * count, up->text.size() - up->offset);
    up->text.copy(buffer, n, up->offset);
    up->offset += n;
    return n;
}

// Writes the whole text and syncs it, so a mail that was reported written survives a crash.
bool WriteDurably(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    const bool ok = done == text.size() && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

} // namespace

std::string FormatMail(const std::string& from, const Mail& mail) {
    char date[64];
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    std::strftime(date, sizeof date, "%a, %d %b %Y %H:%M:%S +0000", &tm);
    unsigned char id[12];
    randombytes_buf(id, sizeof id);
    char hex[sizeof id * 2 + 1];
    sodium_bin2hex(hex, sizeof hex, id, sizeof id);
    const std::string domain = from.substr(from.find('@') + 1);
    std::string text = "From: " + HeaderValue(from) + "\r\nTo: " + HeaderValue(mail.To) +
                       "\r\nSubject: " + HeaderValue(mail.Subject) + "\r\nDate: " + date +
                       "\r\nMessage-ID: <" + hex + "@" + HeaderValue(domain) +
                       ">\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=UTF-8\r\n"
                       "Content-Transfer-Encoding: 8bit\r\n\r\n";
    for (char c : mail.Body) {
        if (c == '\n') text += '\r';
        text += c;
    }
    if (!mail.Body.empty() && mail.Body.back() != '\n') text += "\r\n";
    return text;
}

Mailer::Mailer(std::string outboxDir, std::string from, std::string smtpUrl)
    : outbox_(std::move(outboxDir)), from_(std::move(from)), smtp_(std::move(smtpUrl)) {}

std::string Mailer::Send(const Mail& mail) {
    const std::string text = FormatMail(from_, mail);
    std::string path;
    {
        std::lock_guard lock(mutex_);
        std::error_code ec;
        std::filesystem::create_directories(outbox_, ec);
        // Mails hold passwords: only the service's own user may read them.
        std::filesystem::permissions(outbox_, std::filesystem::perms::owner_all, ec);
        char name[64];
        std::snprintf(name, sizeof name, "%lld-%d-%u.eml",
                      static_cast<long long>(std::time(nullptr)), static_cast<int>(::getpid()),
                      ++sequence_);
        path = outbox_ + "/" + name;
    }
    if (!WriteDurably(path, text)) return {};
    if (!smtp_.empty() && SendSmtp(mail, text)) std::filesystem::remove(path);
    return path;
}

bool Mailer::SendSmtp(const Mail& mail, const std::string& message) {
    CURL* curl = curl_easy_init();
    if (!curl) return false;
    Upload up{message};
    curl_slist* rcpt = curl_slist_append(nullptr, mail.To.c_str());
    curl_easy_setopt(curl, CURLOPT_URL, smtp_.c_str());
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from_.c_str());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, rcpt);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadUpload);
    curl_easy_setopt(curl, CURLOPT_READDATA, &up);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    // STARTTLS when the server offers it; smtps:// URLs are encrypted from the start.
    curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 30L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    const CURLcode rc = curl_easy_perform(curl);
    if (rc != CURLE_OK)
        std::cerr << "mail to " << mail.To << " not sent: " << curl_easy_strerror(rc) << '\n';
    curl_slist_free_all(rcpt);
    curl_easy_cleanup(curl);
    return rc == CURLE_OK;
}

} // namespace qor::server
