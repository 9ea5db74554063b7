// An empty Qt Widgets window that quits as soon as it has been painted: the floor against
// which the desktop program's start-up time is measured.

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

// Quits the application after the watched widget's first paint.
class QuitAfterPaint : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool quitting_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("empty"));
    QuitAfterPaint quit;
    window.installEventFilter(&quit);
    window.resize(800, 600);
    window.show();
    return app.exec();
}
