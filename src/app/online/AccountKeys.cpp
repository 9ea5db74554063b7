#include "online/AccountKeys.h"

#include "mainwindow/QtText.h"
#include "online/AccountClient.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace qor::app {

AccountKeyFilter::AccountKeyFilter(QLineEdit& edit, QString message, Inform inform, Enter enter,
                                   std::function<void()> onEnter)
    : QObject(&edit), message_(std::move(message)), inform_(std::move(inform)), enter_(enter),
      onEnter_(std::move(onEnter)) {
    edit.installEventFilter(this);
    // Pasting would pass round the filter.
    edit.setContextMenuPolicy(Qt::NoContextMenu);
}

bool AccountKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Focus moves and Delete are not typed characters.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
        key->key() == Qt::Key_Delete || key->text().isEmpty())
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (enter_ == Enter::Runs && onEnter_) onEnter_();
        if (enter_ == Enter::Refused) inform_(message_);
        return true;
    }
    for (const QChar c : key->text()) {
        const std::string byte = FromQt(QString(c));
        const bool accepted =
            c == QLatin1Char('\b') ||
            (byte.size() == 1 && online::IsAccountKey(static_cast<unsigned char>(byte[0])));
        if (!accepted) {
            inform_(message_);
            return true;
        }
    }
    return false;
}

} // namespace qor::app
