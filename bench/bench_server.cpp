// The service on loopback under 64 concurrent clients, each request on a new connection as
// the program makes them: requests per second and latency of the discovery file, of log-in
// posts and of the shared GP list over a pool of 500 sources, against the same server's floor, a
// plain file from its content folder. Each phase is bounded in requests and in time. Prints one
// table and the ratios to the floor; log-ins the service turns away as busy (its hashing queue is
// full) count as refused.
//
//   bench_server [--connections N] [--requests N] [--seconds S] [--hash-kib N] [--queue-all N]
// (--hash-kib: the Argon2id memory of the one user's hash, to tell the hashing from the rest;
// --queue-all: room for N log-ins in the hashing queue, so they wait instead of being refused.)

#include "online/AccountReplies.h"
#include "online/FormFields.h"
#include "online/PasswordCodec.h"
#include "online/Protocol.h"
#include "online/ReplyFraming.h"
#include "online/RequestBodies.h"
#include "support/Fixtures.h"
#include "support/ServerProcess.h"

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace online = qor::online;
using Clock = std::chrono::steady_clock;

struct Phase {
    const char* name;
    double perSecond = 0, acceptedPerSecond = 0, p50 = 0, p99 = 0; // latencies in ms
    long done = 0, failed = 0;
};

// Runs one kind of request from `connections` threads until `requests` were made or `seconds`
// passed; a request counts as failed unless `ok` accepts the reply.
Phase Run(const char* name, int port, int connections, long requests, double seconds,
          const std::function<httplib::Result(httplib::Client&)>& request,
          const std::function<bool(const httplib::Response&)>& ok) {
    std::atomic<long> issued{0}, failed{0};
    std::mutex mutex;
    std::vector<double> latencies;
    const auto start = Clock::now();
    const auto deadline = start + std::chrono::duration<double>(seconds);
    std::vector<std::thread> threads;
    for (int t = 0; t < connections; ++t) {
        threads.emplace_back([&] {
            std::vector<double> mine;
            while (issued.fetch_add(1) < requests && Clock::now() < deadline) {
                const auto t0 = Clock::now();
                httplib::Client client("127.0.0.1", port); // a new connection each time
                client.set_connection_timeout(10);
                client.set_tcp_nodelay(true); // as libcurl, the program's transport, does
                client.set_read_timeout(30);
                const auto res = request(client);
                mine.push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
                if (!res || res->status != 200 || !ok(*res)) failed.fetch_add(1);
            }
            std::lock_guard lock(mutex);
            latencies.insert(latencies.end(), mine.begin(), mine.end());
        });
    }
    for (auto& t : threads)
        t.join();
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    std::sort(latencies.begin(), latencies.end());
    Phase p{name};
    p.done = static_cast<long>(latencies.size());
    p.failed = failed.load();
    p.perSecond = static_cast<double>(p.done) / elapsed;
    p.acceptedPerSecond = static_cast<double>(p.done - p.failed) / elapsed;
    if (!latencies.empty()) {
        p.p50 = latencies[latencies.size() / 2];
        p.p99 = latencies[std::min(latencies.size() - 1, latencies.size() * 99 / 100)];
    }
    return p;
}

// Logs a user in over HTTP; his log-in number, 0 on failure.
int LogIn(int port, const std::string& user, const std::string& password) {
    httplib::Client client("127.0.0.1", port);
    const auto res =
        client.Post(std::string(online::ServicePath).c_str(),
                    online::LoginBody("EN", user, online::EncodeLoginPassword(password)) + '\0',
                    "application/x-www-form-urlencoded");
    return res ? online::ParseLoginReply(online::ExtractPayload(res->body)).LoginCode : 0;
}

// Fills the pool over HTTP as the program shares: 250 GPs from 1990 on, each shared by both
// users, 22 results of drivers from a field of 40. False when a share was refused.
bool FillPool(int port, const std::vector<std::pair<std::string, int>>& users) {
    httplib::Client client("127.0.0.1", port);
    for (int gp = 0; gp < 250; ++gp) {
        const int date = qor::testing::PackDate(1990 + gp / 16, 3 + gp % 16 / 2, 5 + gp % 2 * 14);
        std::string content = std::to_string(date) + "*Track " + std::to_string(gp % 20) + "*GP " +
                              std::to_string(gp) + "*Bench Driver " + std::to_string(gp % 40) +
                              "*1:20.123*Bench Driver " + std::to_string((gp + 1) % 40) +
                              "*1:19.5*60*\r\n";
        std::string drivers;
        for (int p = 0; p < 22; ++p) {
            const std::string name = "Bench Driver " + std::to_string((gp + p) % 40);
            content += name + "*Team " + std::to_string(p / 2) + "*" + std::to_string(p + 1) + "*" +
                       (p == 0 ? "1:31:00.5" : "+" + std::to_string(p) + ".5") + "*" +
                       std::to_string(p + 1) + "*" + (p > 18 ? "Engine" : "") + "*\r\n";
            drivers += "#" + name + "*Nation " + std::to_string((gp + p) % 40 % 7) + "\r\n";
        }
        for (const auto& [user, code] : users) {
            const auto res = client.Post(std::string(online::ServicePath).c_str(),
                                         "version=1.88&master=gp&mode=share&user=" + user +
                                             "&kod=" + std::to_string(code) +
                                             "&data=" + online::PercentEncode(content) +
                                             "&drivers=" + online::PercentEncode(drivers) + '\0',
                                         "application/x-www-form-urlencoded");
            if (!res || !online::ParseStatusReply(online::ExtractPayload(res->body)).Accepted())
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int connections = 64;
    long requests = 10000;
    double seconds = 10;
    std::string extra; // settings over the defaults
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string opt = argv[i];
        if (opt == "--connections")
            connections = std::atoi(argv[i + 1]);
        else if (opt == "--requests")
            requests = std::atol(argv[i + 1]);
        else if (opt == "--seconds")
            seconds = std::atof(argv[i + 1]);
        else if (opt == "--queue-all") // every client's log-in waits for its hash
            extra += "threads = " + std::to_string(std::atoi(argv[i + 1]) + 16) +
                     "\nhash_queue = " + argv[i + 1] + "\n";
        else if (opt == "--hash-kib")
            extra += "hash_memory_kib = " + std::string(argv[i + 1]) + "\nhash_passes = 1\n";
    }

    // Limits out of the way, as the 64 clients share one address here.
    qor::testing::ServerProcess server;
    const int port = server.Start(
        {"--config", server.WriteConfig("auto_confirm = 1\nrate_per_second = 1e9\n"
                                        "rate_burst = 1e9\nuser_failures = 1000000\n"
                                        "address_failures = 1000000\nsources_per_user = 1000\n"
                                        "access_log = " +
                                        server.DataDir() + "access.log\n" + extra)});
    if (port == 0) {
        std::fprintf(stderr, "qor-server did not start:\n%s", server.Log().c_str());
        return 1;
    }
    const std::string news(600, 'n');
    qor::testing::WriteFileBytes(server.ContentDir() + "/update.txt", news);
    for (const char* user : {"benchuser", "benchpool"}) {
        httplib::Client client("127.0.0.1", port);
        client.Post(std::string(online::ServicePath).c_str(),
                    online::RegisterBody(user, std::string(user) + "@x.org", false) + '\0',
                    "application/x-www-form-urlencoded");
    }
    const auto filled = Clock::now();
    if (!FillPool(port,
                  {{"benchuser", LogIn(port, "benchuser", server.MailedPassword("benchuser"))},
                   {"benchpool", LogIn(port, "benchpool", server.MailedPassword("benchpool"))}})) {
        std::fprintf(stderr, "the pool could not be filled:\n%s", server.Log().c_str());
        return 1;
    }
    const double fillSeconds = std::chrono::duration<double>(Clock::now() - filled).count();
    const std::string login =
        online::LoginBody("EN", "benchuser",
                          online::EncodeLoginPassword(server.MailedPassword("benchuser"))) +
        '\0';

    const std::string news_path(online::NewsPath), discovery_path(online::DiscoveryPath),
        service_path(online::ServicePath);
    // Warm-up, not reported: the first requests of a run start the server's threads.
    Run(
        "warm-up", port, connections, 1000, seconds,
        [&](httplib::Client& c) { return c.Get(news_path.c_str()); },
        [](const httplib::Response&) { return true; });
    std::vector<Phase> phases;
    phases.push_back(Run(
        "static file (floor)", port, connections, requests, seconds,
        [&](httplib::Client& c) { return c.Get(news_path.c_str()); },
        [&](const httplib::Response& r) { return r.body == news; }));
    phases.push_back(Run(
        "discovery file", port, connections, requests, seconds,
        [&](httplib::Client& c) { return c.Get(discovery_path.c_str()); },
        [](const httplib::Response& r) { return r.body.rfind("***%", 0) == 0; }));
    phases.push_back(Run(
        "log-in (Argon2id)", port, connections, requests, seconds,
        [&](httplib::Client& c) {
            return c.Post(service_path.c_str(), login, "application/x-www-form-urlencoded");
        },
        [](const httplib::Response& r) {
            return online::ParseLoginReply(online::ExtractPayload(r.body)).Accepted();
        }));

    phases.push_back(Run(
        "GP list (pool of 500 sources)", port, connections, requests, seconds,
        [&](httplib::Client& c) {
            return c.Post(service_path.c_str(), online::GPListBody({}) + '\0',
                          "application/x-www-form-urlencoded");
        },
        [](const httplib::Response& r) {
            const std::string payload = online::ExtractPayload(r.body);
            return payload.size() < online::PayloadKeep &&
                   payload.find("*GP 249*") != std::string::npos;
        }));

    std::string listPayload;
    {
        httplib::Client client("127.0.0.1", port);
        if (const auto res = client.Post(service_path.c_str(), online::GPListBody({}) + '\0',
                                         "application/x-www-form-urlencoded"))
            listPayload = online::ExtractPayload(res->body);
    }
    const auto count = [&](std::string_view what) {
        long n = 0;
        for (auto at = listPayload.find(what); at != std::string::npos;
             at = listPayload.find(what, at + 1))
            ++n;
        return n;
    };
    std::printf("pool of 500 sources shared over HTTP in %.1f s (each share synced to disk); the "
                "list: %zu bytes, %ld GPs, %ld drivers\n",
                fillSeconds, listPayload.size(), count("*GP "), count("\n#"));
    std::printf("%d connections, a new one per request, at most %ld requests or %.0f s each\n\n",
                connections, requests, seconds);
    std::printf(
        "| request | requests | refused | req/s | accepted/s | p50 ms | p99 ms | accepted/s "
        "vs floor |\n");
    std::printf("| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: |\n");
    for (const Phase& p : phases)
        std::printf("| %s | %ld | %ld | %.0f | %.0f | %.2f | %.2f | %.3f |\n", p.name, p.done,
                    p.failed, p.perSecond, p.acceptedPerSecond, p.p50, p.p99,
                    p.acceptedPerSecond / phases[0].acceptedPerSecond);
    // Log-ins beyond the hashing queue are refused as busy by design; none accepted is a fault.
    const int stopped = server.Stop();
    return stopped == 0 && phases[2].done > phases[2].failed ? 0 : 1;
}
