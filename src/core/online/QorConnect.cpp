#include "online/QorConnect.h"

#include "online/CurlLibrary.h"
#include "online/Discovery.h"
#include "online/HttpCalls.h"
#include "online/OnlineState.h"
#include "online/ReplyFraming.h"

#include <array>
#include <atomic>

namespace qor::online {

namespace {
std::atomic<long> connectTimeoutMs{5000}, totalTimeoutMs{20000};

// A libcurl handle with the settings every request shares (null when libcurl is missing).
struct Easy {
    const CurlLibrary* curl = Curl();
    CURL* h = nullptr;
    curl_slist* headers = nullptr;
    Easy(const std::string& url, const char* agent) {
        if (!curl) return;
        h = curl->easy_init();
        if (!h) return;
        curl->easy_setopt(h, CURLOPT_URL, url.c_str());
        curl->easy_setopt(h, CURLOPT_USERAGENT, agent);
        curl->easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
        curl->easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, connectTimeoutMs.load());
        curl->easy_setopt(h, CURLOPT_TIMEOUT_MS, totalTimeoutMs.load());
        curl->easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http");
        curl->easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    }
    ~Easy() {
        if (headers) curl->slist_free_all(headers);
        if (h) curl->easy_cleanup(h);
    }
    // A form-encoded POST of body, followed by one zero byte on the wire.
    void Post(const std::string& body) {
        headers = curl->slist_append(headers, "Accept: */*");
        headers = curl->slist_append(headers, "Content-Type: application/x-www-form-urlencoded");
        curl->easy_setopt(h, CURLOPT_HTTPHEADER, headers);
        curl->easy_setopt(h, CURLOPT_POST, 1L);
        curl->easy_setopt(h, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size() + 1));
        // c_str() carries the terminating zero byte the service has always received.
        curl->easy_setopt(h, CURLOPT_POSTFIELDS, body.c_str());
    }
};

// Collects at most `limit` bytes, then stops the transfer.
struct Capped {
    std::string data;
    std::size_t limit;
    static std::size_t Write(char* p, std::size_t, std::size_t n, void* self) {
        auto* c = static_cast<Capped*>(self);
        const std::size_t room = c->limit - c->data.size();
        c->data.append(p, n < room ? n : room);
        return n <= room ? n : 0;
    }
};

bool Ok(const Easy& e, CURLcode rc, bool stoppedWhenFull) {
    long status = 0;
    e.curl->easy_getinfo(e.h, CURLINFO_RESPONSE_CODE, &status);
    return (rc == CURLE_OK || (stoppedWhenFull && rc == CURLE_WRITE_ERROR)) && status >= 200 &&
           status < 300;
}
} // namespace

bool FetchCapped(const std::string& url, const char* agent, std::size_t limit, std::string& out) {
    Easy e(url, agent);
    if (!e.h) return false;
    Capped c{{}, limit};
    e.curl->easy_setopt(e.h, CURLOPT_WRITEFUNCTION, &Capped::Write);
    e.curl->easy_setopt(e.h, CURLOPT_WRITEDATA, &c);
    const CURLcode rc = e.curl->easy_perform(e.h);
    if (!Ok(e, rc, c.data.size() == limit)) return false;
    out = std::move(c.data);
    return true;
}

bool PostOnly(const std::string& url, const char* agent, const std::string& body) {
    Easy e(url, agent);
    if (!e.h) return false;
    e.Post(body);
    Capped c{{}, 0};
    e.curl->easy_setopt(e.h, CURLOPT_WRITEFUNCTION, &Capped::Write);
    e.curl->easy_setopt(e.h, CURLOPT_WRITEDATA, &c);
    const CURLcode rc = e.curl->easy_perform(e.h);
    return rc == CURLE_OK || rc == CURLE_WRITE_ERROR;
}

std::string HttpUrl(std::string_view host, std::string_view path) {
    std::string url = "http://";
    url.append(host).append(path);
    return url;
}

void tQorConnect::SetTimeouts(long connectMs, long totalMs) {
    connectTimeoutMs = connectMs;
    totalTimeoutMs = totalMs;
}

tQorConnect::tQorConnect(std::string discoveryHost, std::string cachedPath, std::string cachedHost,
                         int sendOnly, std::string body, std::string discoveryPath)
    : postData_(std::move(body)), sendOnly_(sendOnly) {
    useDiscovery_ = cachedHost.empty() || cachedPath.empty();
    serverHost_ = useDiscovery_ ? std::move(discoveryHost) : std::move(cachedHost);
    serverPath_ = useDiscovery_ ? std::move(discoveryPath) : std::move(cachedPath);
}

tQorConnect::~tQorConnect() {
    Wait();
}

void tQorConnect::Start() {
    worker_.Run([this] { Execute(); });
}

void tQorConnect::Wait() {
    worker_.Wait();
}

bool tQorConnect::Discover() {
    std::string content;
    if (!FetchCapped(HttpUrl(serverHost_, serverPath_), "Qor", DiscoveryReadSize, content))
        return false;
    if (OnChunk) OnChunk(content.data(), DiscoveryReadSize, DiscoveryBlock, content.size());
    const auto address = ParseDiscovery(content);
    if (!address) return false;
    serverHost_ = address->Host;
    serverPath_ = address->Path;
    OnlineState::Instance().SetCachedService(*address);
    return true;
}

namespace {
// Hands the reply on in blocks of at most ReplyBlockSize bytes.
struct BlockReader {
    tQorConnect::ChunkHandler* onChunk;
    std::array<char, ReplyBlockSize> buffer{};
    std::size_t filled = 0, total = 0, blocks = 0;
    bool tooBig = false;

    void Flush() {
        if (*onChunk) (*onChunk)(buffer.data(), DiscoveryReadSize, ReplyBlock, filled);
        ++blocks;
        buffer.fill(0);
        filled = 0;
    }
    static std::size_t Write(char* p, std::size_t, std::size_t n, void* self) {
        auto* r = static_cast<BlockReader*>(self);
        r->total += n;
        if (r->total > ReplyHardLimit) {
            r->tooBig = true;
            return 0;
        }
        for (std::size_t i = 0; i < n;) {
            const std::size_t take = std::min(n - i, ReplyBlockSize - r->filled);
            std::copy(p + i, p + i + take, r->buffer.data() + r->filled);
            r->filled += take;
            i += take;
            if (r->filled == ReplyBlockSize) r->Flush();
        }
        return n;
    }
};
} // namespace

void tQorConnect::PostAndRead() {
    Easy e(HttpUrl(serverHost_, serverPath_), "Qor");
    if (!e.h) {
        connectState_ = ReadFailed;
        return;
    }
    e.Post(postData_);
    BlockReader reader{&OnChunk};
    Capped ignored{{}, 0};
    if (sendOnly_) {
        e.curl->easy_setopt(e.h, CURLOPT_WRITEFUNCTION, &Capped::Write);
        e.curl->easy_setopt(e.h, CURLOPT_WRITEDATA, &ignored);
    } else {
        e.curl->easy_setopt(e.h, CURLOPT_WRITEFUNCTION, &BlockReader::Write);
        e.curl->easy_setopt(e.h, CURLOPT_WRITEDATA, &reader);
    }
    const CURLcode rc = e.curl->easy_perform(e.h);
    if (sendOnly_) {
        connectState_ = Completed;
        return;
    }
    if (reader.tooBig || (rc != CURLE_OK && reader.total == 0)) {
        connectState_ = ReadFailed;
        return;
    }
    // What arrived is handed on even when the connection broke afterwards; the first (and
    // for an empty reply only) block may be empty.
    connectState_ = Completed;
    if (reader.filled > 0 || reader.blocks == 0) reader.Flush();
}

void tQorConnect::Execute() {
    connectState_ = NothingSent;
    if (!useDiscovery_ || Discover()) PostAndRead();
    if (OnDone) OnDone(connectState_);
}

std::unique_ptr<tQorConnect> NewRequest(std::string body, int sendOnly) {
    auto& state = OnlineState::Instance();
    const auto cached = state.CachedService();
    return std::make_unique<tQorConnect>(state.WebHost(), cached ? cached->Path : std::string(),
                                         cached ? cached->Host : std::string(), sendOnly,
                                         std::move(body));
}

Exchange RunRequest(std::string body, std::size_t keep, bool takeServerMessage) {
    ReplyAssembler assembler(keep, takeServerMessage);
    auto request = NewRequest(std::move(body));
    request->OnChunk = [&](const char* block, std::size_t, int kind, std::size_t count) {
        if (kind == ReplyBlock) assembler.Feed(block, count);
    };
    request->Execute();
    // Only a completed reply is read; a broken one counts as no reply at all.
    if (request->ConnectState() != Completed) return {request->ConnectState(), {}, {}};
    return {request->ConnectState(), assembler.Payload(), assembler.ServerMessage()};
}

} // namespace qor::online
