#pragma once
// The thread one request runs on: started per run and always joined by its owner, never by
// itself (a callback may drop the last reference from the worker).

#include <functional>
#include <thread>

namespace qor::online {

class WorkerThread {
  public:
    WorkerThread() = default;
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;
    ~WorkerThread() { Wait(); }

    // Waits for the previous run, then starts body.
    void Run(std::function<void()> body) {
        Wait();
        thread_ = std::thread(std::move(body));
    }
    void Wait() {
        if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
    }

  private:
    std::thread thread_;
};

} // namespace qor::online
