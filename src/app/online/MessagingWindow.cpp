#include "online/MessagingWindow.h"

#include "mainwindow/Fonts.h"
#include "mainwindow/MainWindow.h"
#include "online/MessageFrame.h"

#include <QVBoxLayout>

#include <algorithm>

namespace qor::app {

namespace {
constexpr int Width = 560;
constexpr int DesignedHeight = 480;
} // namespace

MessagingWindow::MessagingWindow(MainWindow& main) : QWidget(&main, Qt::Tool), main_(main) {
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("Qor Messaging"));
    setFont(MainFont(main_.Session().ZoomFactor()));
    frame_ = new MessageFrame(main_, this);
    frame_->SetBoard("general", QStringLiteral("General Messagging"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame_);
    // Tall screens get a tall window: more messages in view.
    const int screenHeight = main_.Session().Screen.Height;
    resize(Width, screenHeight > 500 ? std::min(screenHeight - 100, 1400) : DesignedHeight);
}

void MessagingWindow::Open() {
    frame_->ApplyTheme();
    if (!isVisible()) move(main_.geometry().center() - rect().center());
    show();
    raise();
    if (!frame_->EverRead()) frame_->ReadPage();
}

} // namespace qor::app
