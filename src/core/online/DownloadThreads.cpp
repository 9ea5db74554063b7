#include "online/DownloadThreads.h"

#include "online/HttpCalls.h"
#include "online/QorConnect.h"
#include "online/RequestBodies.h"

namespace qor::online {

TMyThread2::TMyThread2(std::string url, std::size_t readSize)
    : url_(std::move(url)), readSize_(readSize) {}

TMyThread2::~TMyThread2() {
    Wait();
}

void TMyThread2::Start() {
    worker_.Run([this] { Execute(); });
}

void TMyThread2::Wait() {
    worker_.Wait();
}

void TMyThread2::Execute() {
    std::string data;
    // The agent of the plain downloads has always had a trailing blank.
    const bool ok = FetchCapped(url_, "Qor ", readSize_, data);
    data_ = ok ? std::move(data) : std::string();
    done_ = ok;
    if (OnDone) OnDone(*this);
}

TMyThread::TMyThread(std::string host, std::string path)
    : host_(std::move(host)), path_(std::move(path)) {}

TMyThread::~TMyThread() {
    Wait();
}

void TMyThread::Start() {
    worker_.Run([this] { Execute(); });
}

void TMyThread::Wait() {
    worker_.Wait();
}

void TMyThread::Execute() {
    PostOnly(HttpUrl(host_, path_), "Qor", std::string(NotificationBody));
    done_ = true;
    if (OnDone) OnDone(*this);
}

} // namespace qor::online
