#include "statistics/StatisticsWindow.h"

#include "mainwindow/MainWindow.h"
#include "statistics/DriverFrameWidget.h"

#include <QEvent>
#include <QVBoxLayout>

namespace qor::app {

StatisticsWindow::StatisticsWindow(MainWindow& main) : QWidget(&main, Qt::Window) {
    setObjectName(QStringLiteral("StatisticsWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The window follows its frame's size as pages are shown and hidden.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    frame_ = new DriverFrameWidget(main, this);
    frame_->setObjectName(QStringLiteral("ss"));
    layout->addWidget(frame_);
}

void StatisticsWindow::Bring() {
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
}

void StatisticsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) emit activated(this);
    QWidget::changeEvent(event);
}

} // namespace qor::app
