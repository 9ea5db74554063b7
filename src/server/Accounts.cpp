#include "Accounts.h"
#include "ServiceText.h"

#include "online/AccountReplies.h"
#include "online/PasswordCodec.h"
#include "online/Protocol.h"

#include <sodium.h>

#include <algorithm>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <thread>

namespace qor::server {

namespace online = qor::online;

namespace {

constexpr std::string_view WrongLogin = "Wrong user name or password.";
constexpr std::string_view Busy = "The service is busy. Please try again in a moment.";
// A sign-up never confirmed frees its name after this long.
constexpr std::int64_t PendingSeconds = 7 * 24 * 3600;
// The longest server message a log-in reply carries (the reply must fit in one block).
constexpr std::size_t MotdMax = 600;

bool NameChar(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.' || c == '@';
}

std::string Hex(const unsigned char* bytes, std::size_t n) {
    std::string out(n * 2 + 1, '\0');
    sodium_bin2hex(out.data(), out.size(), bytes, n);
    out.pop_back();
    return out;
}

std::string TokenHash(std::string_view token) {
    unsigned char h[crypto_generichash_BYTES];
    crypto_generichash(h, sizeof h, reinterpret_cast<const unsigned char*>(token.data()),
                       token.size(), nullptr, 0);
    return Hex(h, sizeof h);
}

// Letters and digits without the ones easily mistaken for each other.
std::string RandomPassword() {
    static constexpr std::string_view alphabet =
        "abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    std::string out;
    for (int i = 0; i < 12; ++i)
        out += alphabet[randombytes_uniform(static_cast<std::uint32_t>(alphabet.size()))];
    return out;
}

std::string Minutes(long seconds) {
    const long m = (seconds + 59) / 60;
    return std::to_string(m) + (m == 1 ? " minute." : " minutes.");
}

// Splits at "*" into exactly n parts; fewer or more give nothing.
std::vector<std::string_view> SplitStar(std::string_view data, std::size_t n) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < n) {
        const auto star = data.find('*');
        if (star == std::string_view::npos) return {};
        parts.push_back(data.substr(0, star));
        data.remove_prefix(star + 1);
    }
    if (data.find('*') != std::string_view::npos) return {};
    parts.push_back(data);
    return parts;
}

std::string LoginRefusal(std::string_view message) {
    return online::FormatLoginReply(false, 0, message);
}

std::string Status(bool accepted, std::string_view message) {
    return online::FormatStatusReply(accepted, message);
}

} // namespace

bool ValidUserName(std::string_view name) {
    return name.size() >= online::UserNameMin && name.size() <= online::UserNameMax &&
           std::all_of(name.begin(), name.end(), [](unsigned char c) { return NameChar(c); });
}

bool ValidEmail(std::string_view email) {
    const auto at = email.find('@');
    if (email.size() > online::EmailMax || at == std::string_view::npos || at == 0 ||
        at + 1 >= email.size() || email.find('@', at + 1) != std::string_view::npos)
        return false;
    // Printable ASCII without the characters that would break a mail header or the request.
    return std::all_of(email.begin(), email.end(), [](unsigned char c) {
        return c > ' ' && c < 0x7f &&
               std::string_view("*&<>\"\\,;()[]").find(static_cast<char>(c)) ==
                   std::string_view::npos;
    });
}

bool ValidPassword(std::string_view password) {
    return password.size() >= 6 && password.size() <= 64 &&
           std::all_of(password.begin(), password.end(),
                       [](unsigned char c) { return c > ' ' && c != 0x7f; });
}

std::string UserKey(std::string_view name) {
    std::string key(name);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

Accounts::Accounts(Store& store, Mailer& mailer, Guard& guard, Options options)
    : store_(store), mailer_(mailer), guard_(guard), options_(std::move(options)),
      hashSlots_(
          static_cast<std::ptrdiff_t>(std::clamp(std::thread::hardware_concurrency(), 1u, 256u))) {
    char out[crypto_pwhash_STRBYTES];
    const std::string password = RandomPassword();
    if (crypto_pwhash_str_alg(out, password.data(), password.size(), options_.HashPasses,
                              options_.HashMemoryKiB * 1024, crypto_pwhash_ALG_ARGON2ID13) == 0)
        dummyHash_ = out;
}

bool Accounts::EnterHashing() {
    if (hashing_.fetch_add(1) >= options_.HashQueue) {
        hashing_.fetch_sub(1);
        return false;
    }
    hashSlots_.acquire();
    return true;
}

void Accounts::LeaveHashing() {
    hashSlots_.release();
    hashing_.fetch_sub(1);
}

std::string Accounts::Hash(const std::string& password) {
    if (!EnterHashing()) return {};
    char out[crypto_pwhash_STRBYTES];
    const int rc =
        crypto_pwhash_str_alg(out, password.data(), password.size(), options_.HashPasses,
                              options_.HashMemoryKiB * 1024, crypto_pwhash_ALG_ARGON2ID13);
    LeaveHashing();
    return rc == 0 ? std::string(out) : std::string();
}

std::optional<bool> Accounts::Verify(const std::string& hash, const std::string& password) {
    if (!EnterHashing()) return std::nullopt;
    const bool ok = crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
    LeaveHashing();
    return ok;
}

std::string Accounts::Login(std::string_view data, const std::string& address) {
    const auto star = data.find('*');
    const std::string_view name = data.substr(0, star);
    if (star == std::string_view::npos || !ValidUserName(name)) return LoginRefusal(WrongLogin);
    const std::string key = UserKey(name);
    if (const long wait = guard_.LockedSeconds(key, address); wait > 0)
        return LoginRefusal("Too many failed log-ins. Try again in " + Minutes(wait));

    const auto password = online::DecodeLoginPassword(data.substr(star + 1));
    const auto account = store_.FindAccount(key);
    const bool usable = account && !account->PasswordHash.empty();
    // The same work whether or not the user exists, so timing does not tell.
    const auto verified =
        Verify(usable ? account->PasswordHash : dummyHash_, password.value_or(std::string()));
    if (!verified) return LoginRefusal(Busy);
    const bool right = *verified && usable && password;
    if (account && account->State == AccountState::Pending)
        return LoginRefusal("Your sign-up is not confirmed yet. Please use the link in the mail "
                            "we sent you.");
    if (!right) {
        guard_.Failure(key, address);
        return LoginRefusal(WrongLogin);
    }
    if (account->State == AccountState::Disabled)
        return LoginRefusal("This account is disabled. Please contact the operator.");
    guard_.Success(key);

    // Hashes made with weaker settings than today's are renewed while the password is known.
    if (crypto_pwhash_str_needs_rehash(account->PasswordHash.c_str(), options_.HashPasses,
                                       options_.HashMemoryKiB * 1024) != 0) {
        if (const std::string hash = Hash(*password); !hash.empty())
            store_.SetPasswordHash(key, hash, account->MustChange);
    }
    const int code =
        online::LoginCodeMin + static_cast<int>(randombytes_uniform(static_cast<std::uint32_t>(
                                   online::LoginCodeMax - online::LoginCodeMin + 1)));
    if (!store_.PutSession(key, {code, Now() + options_.SessionHours * 3600LL}))
        return LoginRefusal("The service cannot log you in now. Please try later.");

    std::string information;
    if (const auto motd = store_.Setting("motd"); motd && !motd->empty())
        information = "Information: " + motd->substr(0, MotdMax);
    const std::string popup =
        account->MustChange ? "Please replace the password we mailed you: Change My Password." : "";
    return online::FormatLoginReply(true, code, "Welcome " + account->Name + "!", information,
                                    popup);
}

std::string Accounts::Register(std::string_view data, const std::string& address) {
    const auto parts = SplitStar(data, 3);
    if (parts.empty()) return Status(false, "Malformed sign-up.");
    const std::string_view name = parts[0], email = parts[1], news = parts[2];
    if (!ValidUserName(name))
        return Status(false, "The user name must be 4 to 30 letters, digits or \"_ . @\".");
    if (!ValidEmail(email)) return Status(false, "You must write a valid email.");
    if (news != "0" && news != "1") return Status(false, "Malformed sign-up.");
    if (!guard_.AllowSignup(address))
        return Status(false, "Too many sign-ups from your address. Please try later.");

    Account account;
    account.Name = std::string(name);
    account.Key = UserKey(name);
    account.Email = std::string(email);
    account.News = news == "1";
    account.CreatedAt = Now();
    const auto existing = store_.FindAccount(account.Key);
    const bool stale = existing && existing->State == AccountState::Pending &&
                       Now() - existing->CreatedAt > PendingSeconds;
    if (existing && !stale) return Status(false, "This user name is taken. Please choose another.");

    unsigned char raw[16];
    randombytes_buf(raw, sizeof raw);
    const std::string token = Hex(raw, sizeof raw);
    account.TokenHash = TokenHash(token);
    const bool stored = stale ? store_.ReplacePending(account) : store_.CreateAccount(account);
    if (!stored) return Status(false, "This user name is taken. Please choose another.");

    if (options_.AutoConfirm) {
        std::string path;
        if (Confirm(account.Key, nullptr, &path) != Confirmation::Confirmed)
            return Status(false, "The service cannot confirm you now. Please try later.");
        // Sent by SMTP, the mail has left the outbox.
        if (!std::filesystem::exists(path))
            return Status(true, "Your account is ready. Your password has been mailed to " +
                                    account.Email + ".");
        return Status(true, "Your account is ready. The mail with your password lies in " + path);
    }
    const std::string link =
        options_.PublicUrl + "/trevask/confirm?user=" + account.Key + "&token=" + token;
    const std::string body = "Hello " + account.Name +
                             ",\n\nplease confirm your sign-up for the Qor online service by "
                             "opening this link:\n\n" +
                             link +
                             "\n\nA second mail will then bring your password.\nIf you did not "
                             "sign up, ignore this mail.\n";
    if (mailer_.Send({account.Email, "Confirm your Qor sign-up", body}).empty())
        return Status(false, "The service cannot send mail now. Please try later.");
    return Status(true, "Thank you. Please confirm with the link in the mail sent to " +
                            account.Email + "; your password follows by mail.");
}

Accounts::Confirmation Accounts::Confirm(std::string_view user, const std::string* token,
                                         std::string* mailPath) {
    const std::string key = UserKey(user);
    const auto account = store_.FindAccount(key);
    if (!account) return Confirmation::NoSuchUser;
    if (token) {
        const std::string hash = TokenHash(*token);
        if (account->State != AccountState::Pending || account->TokenHash.size() != hash.size() ||
            sodium_memcmp(hash.data(), account->TokenHash.data(), hash.size()) != 0)
            return Confirmation::BadToken;
    }
    const std::string password = RandomPassword();
    const std::string hash = Hash(password);
    if (hash.empty()) return Confirmation::Failed;
    // The mail first: if it cannot be written the account stays as it was.
    const std::string body = "Hello " + account->Name +
                             ",\n\nyour Qor account is ready.\n\nUser name: " + account->Name +
                             "\nPassword: " + password +
                             "\n\nPlease log in and choose your own password with \"Change My "
                             "Password\".\n";
    const std::string path = mailer_.Send({account->Email, "Your Qor password", body});
    if (path.empty() || !store_.Activate(key, hash, true, Now())) return Confirmation::Failed;
    // A log-in made with the old password ends with it.
    store_.DropSession(key);
    if (mailPath) *mailPath = path;
    return Confirmation::Confirmed;
}

std::string Accounts::CheckLogIn(std::string_view user, std::string_view kod,
                                 const std::string& address, std::string& key) {
    int code = 0;
    const auto [end, ec] = std::from_chars(kod.data(), kod.data() + kod.size(), code);
    if (!ValidUserName(user) || ec != std::errc() || end != kod.data() + kod.size() ||
        code < online::LoginCodeMin || code > online::LoginCodeMax)
        return "Please log in first.";
    key = UserKey(user);
    if (const long wait = guard_.LockedSeconds(key, address); wait > 0)
        return "Too many failed attempts. Try again in " + Minutes(wait);
    const auto session = store_.FindSession(key);
    if (!session || session->Code != code || session->ExpiresAt < Now()) {
        // The right number of a log-in that has run out is no guess: a window left open
        // reads on without locking its user out.
        if (!session || session->Code != code) guard_.Failure(key, address);
        return "Your log-in has expired. Please log in again.";
    }
    return {};
}

std::string Accounts::ChangePassword(std::string_view user, std::string_view kod,
                                     std::string_view data, const std::string& address) {
    std::string key;
    if (const std::string refusal = CheckLogIn(user, kod, address, key); !refusal.empty())
        return Status(false, refusal);
    const int code = std::stoi(std::string(kod));
    const auto passwords = online::DecodePasswordChange(data, code);
    if (!passwords) return Status(false, "Malformed request.");
    const auto account = store_.FindAccount(key);
    if (!account || account->State != AccountState::Active)
        return Status(false, "You must log in before changing your password.");
    const auto verified = Verify(account->PasswordHash, passwords->first);
    if (!verified) return Status(false, Busy);
    if (!*verified) {
        guard_.Failure(key, address);
        return Status(false, "Your current password is wrong.");
    }
    if (!ValidPassword(passwords->second))
        return Status(false, "The new password must be 6 to 64 characters.");
    const std::string hash = Hash(passwords->second);
    if (hash.empty() || !store_.SetPasswordHash(key, hash, false))
        return Status(false, "The service cannot change your password now. Please try later.");
    return Status(true, "Your password has been changed.");
}

} // namespace qor::server
