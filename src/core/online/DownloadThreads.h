#pragma once
// The two plain download threads of the news check: one that fetches a file and one that
// posts a notification without reading the reply.

#include "online/Protocol.h"
#include "online/WorkerThread.h"

#include <atomic>
#include <functional>
#include <string>

namespace qor::online {

// Fetches a URL with one read of at most readSize bytes.
class TMyThread2 {
  public:
    explicit TMyThread2(std::string url, std::size_t readSize = DownloadReadSize);
    ~TMyThread2();
    TMyThread2(const TMyThread2&) = delete;
    TMyThread2& operator=(const TMyThread2&) = delete;

    // Called on the worker thread when the download has ended either way.
    std::function<void(TMyThread2&)> OnDone;
    void Start();
    void Wait();
    void Execute();

    // True when the download succeeded; Data() then holds what was read.
    bool Done() const { return done_; }
    const std::string& Data() const { return data_; }

  private:
    std::string url_, data_;
    std::size_t readSize_;
    std::atomic<bool> done_{false};
    WorkerThread worker_; // last: joined before the other members go
};

// Posts "version=1.88" to host and path; the reply is not read.
class TMyThread {
  public:
    TMyThread(std::string host, std::string path);
    ~TMyThread();
    TMyThread(const TMyThread&) = delete;
    TMyThread& operator=(const TMyThread&) = delete;

    std::function<void(TMyThread&)> OnDone;
    void Start();
    void Wait();
    void Execute();
    bool Done() const { return done_; }

  private:
    std::string host_, path_;
    std::atomic<bool> done_{false};
    WorkerThread worker_; // last: joined before the other members go
};

} // namespace qor::online
