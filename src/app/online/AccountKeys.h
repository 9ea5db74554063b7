#pragma once
// The key filter of the user-name, e-mail and password boxes: the request bodies carry these
// values as typed, so only letters, digits, "_", "." and "@" may be typed into them.

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;

namespace qor::app {

// Drops every other key of one box with a message; Enter either runs an action or is dropped
// silently or with the message, as the window wants.
class AccountKeyFilter : public QObject {
    Q_OBJECT
  public:
    enum class Enter { Refused, Ignored, Runs };
    using Inform = std::function<void(const QString&)>;

    // Installs itself on `edit` (and becomes its child).
    AccountKeyFilter(QLineEdit& edit, QString message, Inform inform, Enter enter = Enter::Refused,
                     std::function<void()> onEnter = {});

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString message_;
    Inform inform_;
    Enter enter_;
    std::function<void()> onEnter_;
};

} // namespace qor::app
