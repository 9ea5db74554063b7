// The service on loopback under 64 concurrent clients, each request on a new connection as
// the program makes them: requests per second and latency of the discovery file and of log-in
// posts, against the same server's floor, a plain file from its content folder. Each phase is
// bounded in requests and in time. Prints one table and the ratios to the floor; log-ins the
// service turns away as busy (its hashing queue is full) count as refused.
//
//   bench_server [--connections N] [--requests N] [--seconds S] [--hash-kib N] [--queue-all N]
// (--hash-kib: the Argon2id memory of the one user's hash, to tell the hashing from the rest;
// --queue-all: room for N log-ins in the hashing queue, so they wait instead of being refused.)

#include "online/AccountReplies.h"
#include "online/PasswordCodec.h"
#include "online/Protocol.h"
#include "online/ReplyFraming.h"
#include "online/RequestBodies.h"
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
    const int port =
        server.Start({"--config", server.WriteConfig("auto_confirm = 1\nrate_per_second = 1e9\n"
                                                     "rate_burst = 1e9\nuser_failures = 1000000\n"
                                                     "address_failures = 1000000\naccess_log = " +
                                                     server.DataDir() + "access.log\n" + extra)});
    if (port == 0) {
        std::fprintf(stderr, "qor-server did not start:\n%s", server.Log().c_str());
        return 1;
    }
    const std::string news(600, 'n');
    qor::testing::WriteFileBytes(server.ContentDir() + "/update.txt", news);
    {
        httplib::Client client("127.0.0.1", port);
        client.Post(std::string(online::ServicePath).c_str(),
                    online::RegisterBody("benchuser", "bench@x.org", false) + '\0',
                    "application/x-www-form-urlencoded");
    }
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
