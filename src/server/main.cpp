// qor-server: the online service of Qor. Runs in the foreground until SIGTERM or SIGINT;
// "qor-server admin ..." works on the data folder instead.

#include "AccessLog.h"
#include "Accounts.h"
#include "Admin.h"
#include "Guard.h"
#include "Mailer.h"
#include "Pool.h"
#include "ServerConfig.h"
#include "Service.h"
#include "SqliteStore.h"

#include <curl/curl.h>
#include <httplib.h>
#include <sodium.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <pthread.h>
#include <sys/socket.h>
#include <thread>

namespace {

constexpr const char* Usage =
    "usage: qor-server [--config FILE] [--listen HOST:PORT] [--public-host HOST[:PORT]]\n"
    "                  [--data-dir DIR] [--content-dir DIR]\n"
    "       qor-server admin [--config FILE] [--data-dir DIR] users | confirm USER |"
    " disable USER | motd TEXT\n"
    "                  | sources | remove-source ID | guess-drivers NAME...\n"
    "                  | guess-open --date YYYY-MM-DD --name NAME --closes \"YYYY-MM-DD HH:MM\"\n"
    "                  | guess-close | guess-result --date YYYY-MM-DD P1 ... P8 FL POLE\n";

int Run(qor::server::ServerConfig config) {
    using namespace qor::server;
    std::error_code ec;
    std::filesystem::create_directories(config.DataDir, ec);
    std::filesystem::create_directories(config.EffectiveContentDir(), ec);
    std::string error;
    auto store = SqliteStore::Open(config.DatabasePath(), error);
    if (!store) {
        std::cerr << "qor-server: " << error << '\n';
        return 1;
    }

    // Signals are taken by one thread with sigwait; every other thread (the server's pool
    // among them) inherits the mask, so none is interrupted mid-request.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    httplib::Server server;
    // SO_REUSEADDR only (a second service on the same port must fail, not share it), and the
    // listening socket kept: the library listens with a backlog of 5, which drops connection
    // attempts (each then waits a second to retry) as soon as a few dozen clients arrive at once.
    int listenFd = -1;
    server.set_socket_options([&listenFd](int sock) {
        const int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        if (listenFd < 0) listenFd = sock;
    });
    const int port =
        config.ListenPort == 0
            ? server.bind_to_any_port(config.ListenHost)
            : (server.bind_to_port(config.ListenHost, config.ListenPort) ? config.ListenPort : -1);
    if (port < 0) {
        std::cerr << "qor-server: cannot listen on " << config.ListenHost << ":"
                  << config.ListenPort << '\n';
        return 1;
    }
    config.ListenPort = port;
    if (listenFd >= 0) ::listen(listenFd, SOMAXCONN);
    const bool anyAddress = config.ListenHost == "0.0.0.0" || config.ListenHost == "::";
    if (config.PublicHost.empty() && anyAddress)
        std::cerr << "qor-server: warning: no --public-host: the discovery file names "
                  << config.EffectivePublicHost() << ", which clients cannot reach\n";

    Mailer mailer(config.OutboxDir(), config.EffectiveMailFrom(), config.SmtpUrl);
    Guard guard({config.UserFailures, config.AddressFailures,
                 std::chrono::seconds(config.LockMinutes * 60), config.RatePerSecond,
                 config.RateBurst, config.SignupsPerHour});
    Accounts accounts(*store, mailer, guard,
                      {config.AutoConfirm, config.SessionHours, config.HashMemoryKiB,
                       config.HashPasses, config.EffectivePublicUrl(),
                       config.EffectiveHashQueue()});
    AccessLog log(config.EffectiveAccessLog());
    if (!log.IsOpen())
        std::cerr << "qor-server: warning: cannot write " << config.EffectiveAccessLog() << '\n';
    Pool pool(*store, accounts, {config.SourcesPerUser});
    Boards boards(*store, accounts);
    Guesses guesses(*store, accounts);
    Service service(config, accounts, pool, boards, guesses, guard, &log);
    service.Install(server);

    std::thread stopper([&server, stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        // A signal right after the "listening" line may come before the loop runs, and a
        // server not yet running ignores stop(): wait for it (briefly) first.
        for (int i = 0; i < 200 && !server.is_running(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        server.stop();
    });
    const std::string host = config.ListenHost.find(':') != std::string::npos
                                 ? "[" + config.ListenHost + "]"
                                 : config.ListenHost;
    std::cout << "listening on " << host << ":" << port << std::endl;
    if (config.LogLevel == "info" || config.LogLevel == "debug")
        std::cerr << "qor-server: data " << config.DataDir << ", content "
                  << config.EffectiveContentDir() << ", discovery " << service.DiscoveryFile()
                  << (config.AutoConfirm ? ", sign-ups confirmed at once" : "") << '\n';
    const bool ok = server.listen_after_bind();
    if (!ok) {
        // Stopped by a failure, not by a signal: wake the signal thread so it can end.
        pthread_kill(stopper.native_handle(), SIGTERM);
    }
    stopper.join();
    if (config.LogLevel != "error") std::cerr << "qor-server: stopped\n";
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (sodium_init() < 0 || curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        std::cerr << "qor-server: cannot initialise the crypto and mail libraries\n";
        return 1;
    }
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << Usage;
        return 0;
    }
    if (!args.empty() && args[0] == "admin")
        return qor::server::RunAdmin({args.begin() + 1, args.end()}, std::cout, std::cerr);
    qor::server::ServerConfig config;
    std::string error;
    if (!qor::server::ParseServerArgs(args, config, error)) {
        std::cerr << "qor-server: " << error << '\n' << Usage;
        return 2;
    }
    const int rc = Run(std::move(config));
    curl_global_cleanup();
    return rc;
}
