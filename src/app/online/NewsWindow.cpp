#include "online/NewsWindow.h"

#include "lang/DefaultStrings.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"
#include "online/NewsCheck.h"
#include "online/OnlineState.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QThread>
#include <QVBoxLayout>

namespace qor::app {

namespace {
// The news file is written with CR LF line ends.
QString PlainLines(const std::string& cp1254) {
    QString text = ToQt(cp1254);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
} // namespace

NewsWindow::NewsWindow(MainWindow& main) : QWidget(&main, Qt::Tool), main_(main) {
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Qor News"));
    const double zoom = main_.Session().ZoomFactor();
    setFont(MainFont(zoom));
    auto* layout = new QVBoxLayout(this);
    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    label2_ = MakeLabel("Label2", this);
    label1_ = MakeLabel("Label1", this);
    label1_->setWordWrap(true);
    layout->addWidget(memo1_, 1);
    layout->addWidget(label2_);
    layout->addWidget(label1_);
    // A larger display scale gets a larger window, as on the designer's larger screens.
    const double scale = zoom != 1.0 ? 120.0 / 100.0 : 1.0;
    resize(static_cast<int>(480 * scale), static_cast<int>(360 * scale));

    steps_ = new QObject(this);
    online::NewsCheck::Listener listener;
    listener.News = [this](const std::string& text) { memo1_->setPlainText(PlainLines(text)); };
    listener.Progress = [this](const std::string& text) { label2_->setText(ToQt(text)); };
    listener.Updates = [this](const std::string& text) { label1_->setText(PlainLines(text)); };
    // While the program closes the main window may be half gone: its driver box is left alone.
    listener.DriversChanged = [this] {
        if (!closing_) main_.DriversChanged();
    };
    QObject* steps = steps_;
    check_ = std::make_unique<online::NewsCheck>(
        main_.Session().db,
        [steps](std::function<void()> step) {
            QMetaObject::invokeMethod(steps, std::move(step), Qt::QueuedConnection);
        },
        std::move(listener));
}

NewsWindow::~NewsWindow() {
    closing_ = true;
    // The check counts a download as ended only when its step has run: run the steps of this
    // window alone until nothing is pending, then let the check join its threads.
    while (check_->Pending() > 0) {
        QCoreApplication::sendPostedEvents(steps_, QEvent::MetaCall);
        QThread::msleep(5);
    }
    check_.reset();
}

int NewsWindow::Pending() const {
    return check_->Pending();
}

void NewsWindow::Check() {
    if (check_->Pending() > 0) {
        main_.Inform(ToQt(main_.Session().langs.Text(slot::ConnectionBusy)));
        return;
    }
    QPalette back = palette();
    back.setColor(QPalette::Window, ToQColor(main_.Session().palette.WindowBackColor));
    setPalette(back);
    setAutoFillBackground(true);
    if (!isVisible()) move(main_.geometry().center() - rect().center());
    show();
    raise();
    // Only this thread starts checks, so the one above cannot have started meanwhile.
    check_->Start(online::OnlineState::Instance().WebHost());
    repaint();
}

} // namespace qor::app
