#include "online/RequestBodies.h"

#include "online/Protocol.h"

namespace qor::online {

namespace {
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (auto p : parts)
        out += p;
    return out;
}
} // namespace

std::string LoginBody(std::string_view languageCode, std::string_view user,
                      std::string_view encodedPassword) {
    return Join({VersionField, "&dil=", languageCode, "&master=msg&mode=login&data=", user, "*",
                 encodedPassword});
}

std::string RegisterBody(std::string_view user, std::string_view email, bool news) {
    return Join(
        {VersionField, "&master=msg&mode=register&data=", user, "*", email, "*", news ? "1" : "0"});
}

std::string AccountBody(const Caller& caller, std::string_view encodedChange) {
    return Join({VersionField, "&master=msg&mode=account&user=", caller.User,
                 "&kod=", std::to_string(caller.Code), "&data=", encodedChange});
}

std::string GPListBody(const Caller& caller) {
    return Join({VersionField, "&master=gp&mode=getallgplist&user=", caller.User,
                 "&kod=", std::to_string(caller.Code)});
}

std::string GPSourcesBody(const Caller& caller, std::string_view dateNumber,
                          std::string_view name) {
    return Join({VersionField, "&master=gp&mode=getgplistsub&user=", caller.User,
                 "&gpdate=", dateNumber, "&gpname=", name, "&kod=", std::to_string(caller.Code)});
}

std::string GPContentBody(const Caller& caller, std::string_view gpId) {
    return Join({VersionField, "&master=gp&mode=getgp&user=", caller.User, "&gpid=", gpId,
                 "&kod=", std::to_string(caller.Code)});
}

std::string GPAcknowledgeBody(const Caller& caller, std::string_view gpId) {
    return Join({VersionField, "&master=gp&mode=gpok&user=", caller.User, "&gpid=", gpId,
                 "&kod=", std::to_string(caller.Code)});
}

std::string BoardReadBody(const Caller& caller, std::string_view board, int page,
                          std::string_view deleteId) {
    std::string body =
        Join({VersionField, "&master=msg&msg_mode=", board, "&mode=get&user=", caller.User,
              "&kod=", std::to_string(caller.Code), "&page=", std::to_string(page < 0 ? 0 : page)});
    if (!deleteId.empty()) body += Join({"&delete_msg=", deleteId});
    return body;
}

std::string BoardSendBody(const Caller& caller, std::string_view board, std::string_view rate,
                          std::string_view text) {
    std::string body(VersionField);
    if (!rate.empty()) body += Join({"&rate=", rate});
    body += Join({"&master=msg&msg_mode=", board, "&mode=send&user=", caller.User,
                  "&kod=", std::to_string(caller.Code), "&data=", text});
    return body;
}

std::string GuessBody(const Caller& caller, std::string_view ownPart, std::string_view extra) {
    return Join({VersionField, "&master=guess&user=", caller.User,
                 "&kod=", std::to_string(caller.Code), ownPart, extra});
}

} // namespace qor::online
