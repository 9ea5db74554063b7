#pragma once
// The news check: the news text, then the driver update file (new drivers added and saved),
// then the notifications it names, one after the other in the background.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace qor {
class The_Class;
}

namespace qor::online {

class TMyThread;
class TMyThread2;

class NewsCheck {
  public:
    // Runs a step where the database and the window may be touched (the GUI thread); the
    // command line runs steps where they come.
    using Post = std::function<void(std::function<void()>)>;
    // What the window shows; each is called from a posted step.
    struct Listener {
        std::function<void(const std::string&)> News;     // the news text
        std::function<void(const std::string&)> Progress; // the progress and result line
        std::function<void(const std::string&)> Updates;  // "Updates:" + the added drivers
        std::function<void()> DriversChanged;             // refill the driver name list
    };

    NewsCheck(The_Class& db, Post post, Listener listener);
    // Waits for every download it started.
    ~NewsCheck();

    // Starts the check against the web host; false when one is still running (the caller
    // shows the unfinished-connection message).
    bool Start(const std::string& webHost);
    int Pending() const { return pending_; }
    // Blocks until nothing is pending (command line, tests).
    void WaitIdle();

  private:
    void NewsArrived(bool ok, std::string text);
    void DriversArrived(bool ok, std::string text);
    void NotificationSent();
    void Finish(int delta);

    The_Class& db_;
    std::string webHost_;
    Post post_;
    Listener listener_;
    std::atomic<int> pending_{0};
    std::mutex mutex_;
    std::condition_variable idle_;
    std::vector<std::unique_ptr<TMyThread2>> downloads_;
    std::vector<std::unique_ptr<TMyThread>> notifications_;
};

} // namespace qor::online
