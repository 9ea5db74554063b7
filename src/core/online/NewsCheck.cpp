#include "online/NewsCheck.h"

#include "database/STheClass.h"
#include "lang/DefaultStrings.h"
#include "online/DownloadThreads.h"
#include "online/DriverUpdates.h"
#include "online/QorConnect.h"

namespace qor::online {

NewsCheck::NewsCheck(The_Class& db, Post post, Listener listener)
    : db_(db), post_(std::move(post)), listener_(std::move(listener)) {}

NewsCheck::~NewsCheck() {
    WaitIdle();
    // Threads are joined here, never by themselves.
    std::lock_guard lock(mutex_);
    downloads_.clear();
    notifications_.clear();
}

void NewsCheck::WaitIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return pending_ <= 0; });
}

void NewsCheck::Finish(int delta) {
    std::lock_guard lock(mutex_);
    pending_ += delta;
    idle_.notify_all();
}

bool NewsCheck::Start(const std::string& webHost) {
    if (pending_ > 0) return false;
    webHost_ = webHost;
    if (listener_.News) listener_.News("");
    if (listener_.Progress)
        listener_.Progress("Getting info from " + webHost + "/trevask. Please wait...");
    auto thread = std::make_unique<TMyThread2>(HttpUrl(webHost, NewsPath));
    thread->OnDone = [this](TMyThread2& t) {
        bool ok = t.Done();
        std::string text = t.Data();
        post_([this, ok, text = std::move(text)]() mutable { NewsArrived(ok, std::move(text)); });
    };
    Finish(+1);
    TMyThread2* raw = thread.get();
    {
        std::lock_guard lock(mutex_);
        downloads_.push_back(std::move(thread));
    }
    raw->Start();
    return true;
}

void NewsCheck::NewsArrived(bool ok, std::string text) {
    if (listener_.News) listener_.News(text);
    if (listener_.Progress) listener_.Progress("Looking for Driver Update...");
    if (ok) {
        auto thread = std::make_unique<TMyThread2>(HttpUrl(webHost_, DriversPath));
        thread->OnDone = [this](TMyThread2& t) {
            bool done = t.Done();
            std::string data = t.Data();
            post_([this, done, data = std::move(data)]() mutable {
                DriversArrived(done, std::move(data));
            });
        };
        Finish(+1);
        TMyThread2* raw = thread.get();
        {
            std::lock_guard lock(mutex_);
            downloads_.push_back(std::move(thread));
        }
        raw->Start();
    } else if (listener_.Progress) {
        listener_.Progress("Problem with web site access.");
    }
    Finish(-1);
}

void NewsCheck::DriversArrived(bool ok, std::string text) {
    if (!ok) {
        if (listener_.Progress) listener_.Progress("Completed: Problem with driver update file.");
        Finish(-1);
        return;
    }
    const DriverUpdateFile file = ParseDriverUpdates(text);
    const std::string list = AddNewDrivers(db_, file.Drivers);
    for (const auto& n : file.Notifications) {
        auto thread = std::make_unique<TMyThread>(n.Host, n.Path);
        thread->OnDone = [this](TMyThread&) { post_([this] { NotificationSent(); }); };
        Finish(+1);
        TMyThread* raw = thread.get();
        {
            std::lock_guard lock(mutex_);
            notifications_.push_back(std::move(thread));
        }
        raw->Start();
    }
    if (listener_.DriversChanged) listener_.DriversChanged();
    if (!list.empty()) {
        // A failed save must not pass for success: the added drivers are still in memory and
        // go with the next save.
        const bool saved = db_.SaveDatabase() == 1;
        if (listener_.Updates)
            listener_.Updates("Updates:" + list +
                              (saved ? std::string() : "\r" + std::string(DefaultStrings[188])));
    }
    if (pending_ - 1 <= 0 && listener_.Progress) listener_.Progress("Completed: Succesfully");
    Finish(-1);
}

void NewsCheck::NotificationSent() {
    if (listener_.Progress) listener_.Progress("Completed: Succesfully");
    Finish(-1);
}

} // namespace qor::online
