#pragma once
// One service request of an online window at a time: the worker thread's blocks and outcome
// brought to the GUI thread, the payload assembled there, the asterisk progress label run.

#include "online/Protocol.h"
#include "online/ReplyFraming.h"

#include <QByteArray>
#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QLabel;
class QTimer;

namespace qor::online {
class tQorConnect;
}

namespace qor::app {

// Runs the requests of one window; the request object is kept until the next one starts or
// the window goes, and a request's late callbacks never reach its successor.
class WindowRequest : public QObject {
    Q_OBJECT
  public:
    // The payload is delivered once: as soon as the end marker arrived, or at the end of a
    // completed request with what there is. The end handler gets the final state.
    using PayloadHandler = std::function<void(const std::string&)>;
    using EndHandler = std::function<void(int)>;

    // progress: the label the timer fills with asterisks (may be null); takeServerMessage:
    // a "<*msg>" server message at the payload's start is taken out (ServerMessage); keep:
    // most payload characters kept (the guess game's replies are longer).
    WindowRequest(QObject* owner, QLabel* progress, bool takeServerMessage = false,
                  std::size_t keep = online::PayloadKeep);
    // Waits for a running request: its thread must not outlive the window.
    ~WindowRequest() override;

    void Start(std::string body, PayloadHandler onPayload, EndHandler onEnd);
    bool Running() const { return running_; }
    const std::string& ServerMessage() const { return assembler_.ServerMessage(); }

  private:
    void Block(const QByteArray& bytes);
    void End(int state);
    void Deliver();

    std::unique_ptr<online::tQorConnect> request_;
    // Receives the posted callbacks of the current request; replaced with each request, so
    // the queued calls of an old one die with it.
    QObject* context_ = nullptr;
    online::ReplyAssembler assembler_;
    PayloadHandler onPayload_;
    EndHandler onEnd_;
    bool delivered_ = false;
    bool running_ = false;
    QLabel* progress_;
    QTimer* progressTimer_;
};

} // namespace qor::app
