#pragma once
// A web host and service of the tests' own on loopback: serves the discovery, news and driver
// files and answers posts with whatever the test sets, recording what arrived.

#include "online/Discovery.h"
#include "online/Protocol.h"

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qor::testing {

class FakeWebHost {
  public:
    FakeWebHost() {
        port_ = server_.bind_to_any_port("127.0.0.1");
        discovery = online::MakeDiscovery({Host(), "/svc"});
        server_.Get(R"(/trevask/(\w+)\.txt)", [this](const auto& req, auto& res) {
            ++gets;
            std::lock_guard lock(mutex_);
            const std::string name = req.matches[1];
            const std::string& body = name == "mainserver" ? discovery
                                      : name == "update"   ? news
                                                           : drivers;
            if (delay.count() > 0) std::this_thread::sleep_for(delay);
            if (body.empty())
                res.status = 404;
            else
                res.set_content(body, "text/plain");
        });
        server_.Post(R"(/(svc|notify))", [this](const auto& req, auto& res) {
            std::lock_guard lock(mutex_);
            posts.push_back({req.path, req.body});
            if (delay.count() > 0) std::this_thread::sleep_for(delay);
            res.set_content(reply, "text/plain");
        });
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~FakeWebHost() {
        server_.stop();
        thread_.join();
    }
    std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }

    struct Post {
        std::string path, body;
    };
    std::vector<Post> Posts() {
        std::lock_guard lock(mutex_);
        return posts;
    }

    // Set before the requests they answer.
    std::string discovery, news, drivers, reply;
    std::chrono::milliseconds delay{0};
    std::atomic<int> gets{0};

  private:
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::vector<Post> posts;
};

} // namespace qor::testing
