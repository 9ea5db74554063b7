#pragma once
// One request to the service on a worker thread: discovery of the service address when it is
// not known yet, then the form-encoded POST, the reply handed on in blocks.

#include "online/Protocol.h"
#include "online/WorkerThread.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace qor::online {

// Outcomes of a request.
enum ConnectStates : int { NothingSent = 0, Completed = 1, ReadFailed = 2 };
// Kinds of block handed to OnChunk.
enum ChunkKinds : int { ReplyBlock = 1, DiscoveryBlock = 2 };

class tQorConnect {
  public:
    // (buffer, capacity, kind, count): count bytes of buffer are this block.
    using ChunkHandler = std::function<void(const char*, std::size_t, int, std::size_t)>;
    using DoneHandler = std::function<void(int)>;

    // Discovery is used when the cached host or path is empty.
    tQorConnect(std::string discoveryHost, std::string cachedPath, std::string cachedHost,
                int sendOnly, std::string body,
                std::string discoveryPath = std::string(DiscoveryPath));
    // Waits for the thread: a request never outlives its owner.
    ~tQorConnect();
    tQorConnect(const tQorConnect&) = delete;
    tQorConnect& operator=(const tQorConnect&) = delete;

    // Both are called on the worker thread; assign them before Start.
    ChunkHandler OnChunk;
    DoneHandler OnDone;

    // Runs the request on its own thread.
    void Start();
    void Wait();
    // Runs the request on the calling thread (command line, tests).
    void Execute();

    int ConnectState() const { return connectState_; }
    bool UseDiscovery() const { return useDiscovery_; }
    const std::string& ServerHost() const { return serverHost_; }
    const std::string& ServerPath() const { return serverPath_; }

    // Connect and total time limits of every request, so a silent server never hangs a
    // window (tests shorten them).
    static void SetTimeouts(long connectMs, long totalMs);

  private:
    bool Discover();
    void PostAndRead();

    std::string postData_, serverHost_, serverPath_;
    int sendOnly_;
    bool useDiscovery_;
    std::atomic<int> connectState_{NothingSent};
    WorkerThread worker_; // last: joined before the other members go
};

// A request as every window builds it: the configured web host and the cached service
// address of the process-wide state.
std::unique_ptr<tQorConnect> NewRequest(std::string body, int sendOnly = 0);

// The outcome of a request run to its end on the calling thread.
struct Exchange {
    int State = NothingSent;
    std::string Payload;       // between the markers
    std::string ServerMessage; // "<*msg>" text, when asked for
};
Exchange RunRequest(std::string body, std::size_t keep = PayloadKeep,
                    bool takeServerMessage = false);

// "http://" + host + path.
std::string HttpUrl(std::string_view host, std::string_view path);

} // namespace qor::online
