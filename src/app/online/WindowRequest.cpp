#include "online/WindowRequest.h"

#include "online/QorConnect.h"

#include <QLabel>
#include <QTimer>

namespace qor::app {

namespace {
constexpr int ProgressLength = 15;
constexpr int ProgressTickMs = 500;
} // namespace

WindowRequest::WindowRequest(QObject* owner, QLabel* progress, bool takeServerMessage,
                             std::size_t keep)
    : QObject(owner), assembler_(keep, takeServerMessage), progress_(progress),
      progressTimer_(new QTimer(this)) {
    progressTimer_->setInterval(ProgressTickMs);
    connect(progressTimer_, &QTimer::timeout, this, [this] {
        if (!progress_) return;
        const QString stars = progress_->text();
        progress_->setText(stars.size() >= ProgressLength ? QStringLiteral("*")
                                                          : stars + QLatin1Char('*'));
    });
}

WindowRequest::~WindowRequest() {
    request_.reset();
}

void WindowRequest::Start(std::string body, PayloadHandler onPayload, EndHandler onEnd) {
    // The previous request has ended (the window keeps its button disabled until then); its
    // thread is joined before its context goes, so nothing can post to a deleted context.
    request_.reset();
    delete context_;
    context_ = new QObject(this);
    assembler_.Reset();
    delivered_ = false;
    running_ = true;
    onPayload_ = std::move(onPayload);
    onEnd_ = std::move(onEnd);
    if (progress_) progress_->setText(QStringLiteral("*"));
    progressTimer_->start();

    request_ = online::NewRequest(std::move(body));
    QObject* context = context_;
    request_->OnChunk = [this, context](const char* block, std::size_t, int kind,
                                        std::size_t count) {
        if (kind != online::ReplyBlock) return;
        QByteArray bytes(block, static_cast<qsizetype>(count));
        QMetaObject::invokeMethod(
            context, [this, bytes] { Block(bytes); }, Qt::QueuedConnection);
    };
    request_->OnDone = [this, context](int state) {
        QMetaObject::invokeMethod(
            context, [this, state] { End(state); }, Qt::QueuedConnection);
    };
    request_->Start();
}

void WindowRequest::Block(const QByteArray& bytes) {
    assembler_.Feed(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (assembler_.EndSeen()) Deliver();
}

void WindowRequest::Deliver() {
    if (delivered_) return;
    delivered_ = true;
    if (onPayload_) onPayload_(assembler_.Payload());
}

void WindowRequest::End(int state) {
    progressTimer_->stop();
    if (progress_) progress_->setText(QString(ProgressLength, QLatin1Char('*')));
    running_ = false;
    if (state == online::Completed) Deliver();
    if (onEnd_) onEnd_(state);
}

} // namespace qor::app
