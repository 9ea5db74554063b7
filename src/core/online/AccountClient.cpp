#include "online/AccountClient.h"

#include "online/OnlineState.h"
#include "online/PasswordCodec.h"
#include "online/Protocol.h"
#include "online/RequestBodies.h"
#include "online/UserFile.h"

namespace qor::online {

bool IsAccountKey(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    if (c == '_' || c == '.' || c == '@') return true;
    // The letters of Windows-1254 above ASCII (Turkish and Western European).
    if (c == 0x83 || c == 0x8A || c == 0x8C || c == 0x9A || c == 0x9C || c == 0x9F) return true;
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

std::string SignUpProblem(std::string_view user, std::string_view email) {
    if (user.size() < UserNameMin) return "User name length must be at least 4";
    if (email.empty() || email.find('@') == std::string_view::npos)
        return "You must write a valid email";
    return {};
}

LoginReply ApplyLoginReply(std::string_view payload, const std::string& user,
                           const std::string& dataDir) {
    LoginReply reply = ParseLoginReply(payload);
    auto& state = OnlineState::Instance();
    if (reply.Accepted()) {
        state.SetLogin(user, reply.LoginCode);
        RememberUser(dataDir, user);
    } else {
        state.SetLogin({}, 0);
    }
    return reply;
}

std::string StartLogin(const std::string& user, std::string_view password) {
    auto& state = OnlineState::Instance();
    state.SetLoginCode(0);
    return LoginBody(state.LanguageCode(), user, EncodeLoginPassword(password));
}

std::string StartSignUp(const std::string& user, const std::string& email, bool news) {
    OnlineState::Instance().SetLoginCode(0);
    return RegisterBody(user, email, news);
}

std::string PasswordChangeBody(std::string_view current, std::string_view next) {
    auto& state = OnlineState::Instance();
    const std::string user = state.LoginUser();
    const int code = state.LoginCode();
    if (user.empty()) return {};
    return AccountBody({user, code}, EncodePasswordChange(current, next, code));
}

} // namespace qor::online
