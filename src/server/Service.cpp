#include "Service.h"

#include "online/AccountReplies.h"
#include "online/Discovery.h"
#include "online/FormFields.h"
#include "online/Protocol.h"
#include "online/ReplyFraming.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace qor::server {

namespace online = qor::online;

namespace {

// Content files are small texts; anything larger is not served.
constexpr std::size_t ContentMax = 1 << 20;

// When the current request started (each request runs on one thread from start to end).
thread_local std::chrono::steady_clock::time_point requestStart;

std::string Refusal(std::string_view message) {
    return online::FramePayload(online::FormatStatusReply(false, message));
}

bool IsServicePost(const httplib::Request& req) {
    return req.method == "POST" && req.path == online::ServicePath;
}

} // namespace

Service::Service(const ServerConfig& config, Accounts& accounts, Pool& pool, Boards& boards,
                 Guesses& guesses, Guard& guard, AccessLog* log)
    : config_(config), accounts_(accounts), pool_(pool), boards_(boards), guesses_(guesses),
      guard_(guard), log_(log),
      discovery_(
          online::MakeDiscovery({config.EffectivePublicHost(), std::string(online::ServicePath)})) {
}

std::string Service::Dispatch(std::string_view body, const std::string& address) {
    const auto fields = online::FormFields::Parse(body);
    const std::string_view master = fields.Value("master"), mode = fields.Value("mode");
    const bool board = master == "msg" && fields.Get("msg_mode");
    if (!guard_.AllowRequest(address)) {
        // Each window shows the refusal where it shows its other messages: the shared-results
        // window only a server message of its reads, the board a status of its reads and the
        // whole reply of a send, the guess game its status sections.
        constexpr std::string_view busy = "Too many requests. Please wait a moment.";
        if (master == "gp" && mode != "share" && mode != "gpok")
            return online::FramePayload(PoolMessage(busy));
        if (board)
            return online::FramePayload(mode == "get" ? Boards::StatusOnly(busy)
                                                      : std::string(busy));
        if (master == "guess") return online::FramePayload(Guesses::StatusOnly(busy));
        return Refusal(busy);
    }
    // The guess game's one request names no mode.
    if (fields.Get("version") && master == "guess")
        return online::FramePayload(guesses_.Answer(fields, address));
    if (!fields.Get("version") || master.empty() || mode.empty()) return Refusal("Bad request.");
    if (board && mode == "get") return online::FramePayload(boards_.Read(fields, address));
    if (board && mode == "send") return online::FramePayload(boards_.Send(fields, address));
    if (master == "msg" && !fields.Get("msg_mode")) {
        if (mode == "login")
            return online::FramePayload(accounts_.Login(fields.Value("data"), address));
        if (mode == "register")
            return online::FramePayload(accounts_.Register(fields.Value("data"), address));
        if (mode == "account")
            return online::FramePayload(accounts_.ChangePassword(
                fields.Value("user"), fields.Value("kod"), fields.Value("data"), address));
    }
    if (master == "gp") {
        const std::string_view user = fields.Value("user"), kod = fields.Value("kod");
        if (mode == "getallgplist") return online::FramePayload(pool_.List());
        if (mode == "getgplistsub")
            return online::FramePayload(
                pool_.Sources(fields.Value("gpdate"), fields.Value("gpname")));
        if (mode == "getgp")
            return online::FramePayload(pool_.Content(user, kod, fields.Value("gpid"), address));
        if (mode == "gpok")
            return online::FramePayload(
                pool_.Acknowledge(user, kod, fields.Value("gpid"), address));
        if (mode == "share")
            return online::FramePayload(
                pool_.Share(user, kod, fields.Value("data"), fields.Value("drivers"), address));
    }
    return Refusal("Unknown request.");
}

std::string Service::ClientAddress(const httplib::Request& req) const {
    if (config_.TrustForwardedFor && req.has_header("X-Forwarded-For")) {
        // The proxy appends the address it saw; earlier entries are the client's own claims.
        const std::string chain = req.get_header_value("X-Forwarded-For");
        std::string last = chain.substr(chain.rfind(',') + 1);
        last.erase(0, last.find_first_not_of(' '));
        if (!last.empty()) return last;
    }
    return req.remote_addr;
}

void Service::Log(const httplib::Request& req, int status, std::size_t bytes) const {
    if (!log_) return;
    AccessEntry e;
    e.Address = ClientAddress(req);
    e.Method = req.method;
    e.Path = req.path;
    if (IsServicePost(req)) {
        // Only the area and the user: never the data, the password or the log-in number.
        const auto fields = online::FormFields::Parse(req.body);
        e.Area = std::string(fields.Value("master")) + "/" + std::string(fields.Value("mode"));
        e.User = fields.Value("user");
    }
    e.Status = status;
    e.Bytes = bytes;
    e.Milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - requestStart)
            .count();
    log_->Write(e);
}

void Service::Install(httplib::Server& server) {
    const int threads = config_.Threads;
    server.new_task_queue = [threads] {
        return new httplib::ThreadPool(static_cast<std::size_t>(threads));
    };
    server.set_payload_max_length(config_.MaxBodyBytes);
    server.set_read_timeout(10, 0);
    server.set_write_timeout(10, 0);
    server.set_keep_alive_timeout(5);
    // Replies are written as headers and body apart: without this the body waits for the
    // client's delayed acknowledgement of the headers (tens of milliseconds a request).
    server.set_tcp_nodelay(true);

    server.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
        requestStart = std::chrono::steady_clock::now();
        // Replies are a few hundred bytes: compressing them (the library would, with brotli,
        // for any client that offers it) costs tens of milliseconds for nothing. The request
        // object is the server's own, not a constant, so dropping the offer is safe.
        const_cast<httplib::Request&>(req).headers.erase("Accept-Encoding");
        // Service posts are limited by Dispatch, which knows from the body how to refuse.
        if (IsServicePost(req) || guard_.AllowRequest(ClientAddress(req)))
            return httplib::Server::HandlerResponse::Unhandled;
        res.status = 429;
        res.set_header("Retry-After", "10");
        return httplib::Server::HandlerResponse::Handled;
    });

    server.Get(std::string(online::DiscoveryPath),
               [this](const httplib::Request&, httplib::Response& res) {
                   res.set_content(discovery_, "text/plain");
               });
    const std::string content = config_.EffectiveContentDir();
    for (const std::string_view path : {online::NewsPath, online::DriversPath}) {
        const std::string file = content + "/" + std::string(path.substr(path.rfind('/') + 1));
        // Read at every request so that the operator's edits show at once.
        server.Get(std::string(path), [file](const httplib::Request&, httplib::Response& res) {
            std::error_code ec;
            const auto size = std::filesystem::file_size(file, ec);
            std::ifstream in(file, std::ios::binary);
            std::string text(ec ? 0 : std::min<std::uintmax_t>(size, ContentMax + 1), '\0');
            in.read(text.data(), static_cast<std::streamsize>(text.size()));
            if (!ec && in && !text.empty() && text.size() <= ContentMax) {
                res.set_content(text, "text/plain");
            } else {
                res.status = 404;
            }
        });
    }
    server.Get("/trevask/confirm", [this](const httplib::Request& req, httplib::Response& res) {
        const std::string user = req.get_param_value("user"), token = req.get_param_value("token");
        const std::string address = ClientAddress(req), key = UserKey(user);
        if (!ValidUserName(user)) {
            res.status = 404;
            res.set_content("This link is not valid (any more).\n", "text/plain");
            return;
        }
        if (guard_.LockedSeconds(key, address) > 0) {
            res.status = 429;
            res.set_content("Too many wrong links. Please try later.\n", "text/plain");
            return;
        }
        switch (accounts_.Confirm(user, &token)) {
        case Accounts::Confirmation::Confirmed:
            res.set_content("Your Qor account is confirmed. Your password is on its way by mail.\n",
                            "text/plain");
            break;
        case Accounts::Confirmation::Failed:
            res.status = 503;
            res.set_content("The service cannot confirm you now. Please try later.\n",
                            "text/plain");
            break;
        default:
            guard_.Failure(key, address);
            res.status = 404;
            res.set_content("This link is not valid (any more).\n", "text/plain");
        }
    });
    server.Post(std::string(online::ServicePath),
                [this](const httplib::Request& req, httplib::Response& res) {
                    res.set_content(Dispatch(req.body, ClientAddress(req)), "text/plain");
                });

    // The program reads only framed payloads: a refusal of the service script, even of an
    // oversized body, is a framed payload with status 200, never an error page.
    server.set_error_handler(httplib::Server::HandlerWithResponse(
        [](const httplib::Request& req, httplib::Response& res) {
            if (IsServicePost(req)) {
                res.status = 200;
                res.set_content(Refusal("Bad request."), "text/plain");
            } else if (res.body.empty()) {
                res.set_content(std::to_string(res.status) + "\n", "text/plain");
            }
            return httplib::Server::HandlerResponse::Handled;
        }));
    server.set_exception_handler(
        [](const httplib::Request& req, httplib::Response& res, std::exception_ptr ep) {
            try {
                if (ep) std::rethrow_exception(ep);
            } catch (const std::exception& e) {
                std::cerr << "error: " << req.method << " " << req.path << ": " << e.what() << '\n';
            } catch (...) {
                std::cerr << "error: " << req.method << " " << req.path << '\n';
            }
            res.status = IsServicePost(req) ? 200 : 500;
            res.set_content(IsServicePost(req) ? Refusal("Service error. Please try later.")
                                               : std::string("500\n"),
                            "text/plain");
        });
    server.set_logger([this](const httplib::Request& req, const httplib::Response& res) {
        Log(req, res.status, res.body.size());
    });
}

} // namespace qor::server
