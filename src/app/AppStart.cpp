#include "AppStart.h"

#include "dialogs/Prompts.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/GridView.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/QtText.h"
#include "online/OnlineState.h"
#include "settings/DataFolder.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <iostream>
#include <optional>

namespace qor::app {
namespace {

// Quits once the main grid has painted a table with rows.
class QuitAfterTablePaint : public QObject {
  public:
    QuitAfterTablePaint(GridView& grid) : QObject(&grid), grid_(grid) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_ && grid_.model()->rowCount() > 0) {
            quitting_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    GridView& grid_;
    bool quitting_ = false;
};

} // namespace

AppOptions ParseOptions(const QStringList& arguments) {
    AppOptions o;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == QLatin1String("--data") && hasValue) {
            o.DataFolder = arguments[++i];
        } else if (a == QLatin1String("--show") && hasValue) {
            // The view's name and its arguments, up to the next option.
            while (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--")))
                o.Show << arguments[++i];
        } else if (a == QLatin1String("--theme") && hasValue) {
            bool ok = false;
            o.Theme = arguments[++i].toInt(&ok);
            if (!ok || o.Theme < 0 || o.Theme > 104 || (o.Theme > 4 && o.Theme < 100))
                o.Error = QStringLiteral("qor: --theme takes 0..4 or 100..104");
        } else if (a == QLatin1String("--row") && hasValue) {
            bool ok = false;
            o.Row = arguments[++i].toInt(&ok);
            if (!ok || o.Row < 1) o.Error = QStringLiteral("qor: --row takes a row number");
        } else if (a == QLatin1String("--screenshot") && hasValue) {
            o.ScreenshotPath = arguments[++i];
        } else if (a == QLatin1String("--web-host") && hasValue) {
            o.WebHost = arguments[++i];
        } else if (a == QLatin1String("--quit-after-first-table")) {
            o.QuitAfterFirstTable = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.Help = true;
        } else if (!a.startsWith(QLatin1String("-")) || a == QLatin1String("-")) {
            o.Error = QStringLiteral("qor: unexpected argument '%1'").arg(a);
        } else if (a.startsWith(QLatin1String("-platform")) ||
                   a.startsWith(QLatin1String("-style"))) {
            ++i; // Qt's own options, already taken by QApplication
        } else {
            o.Error = QStringLiteral("qor: unknown option '%1'").arg(a);
        }
    }
    return o;
}

QString UsageText() {
    return QStringLiteral(
        "usage: qor [--data DIR] [--theme N] [--show VIEW ARGS...] [--row N] [--screenshot FILE]\n"
        "           [--web-host HOST[:PORT]]\n"
        "  --data DIR         folder of f1data5.dat and the language files (default: the\n"
        "                     program's own folder in a build, else ~/.local/share/Qor)\n"
        "  --theme N          colour theme for this run: 0 Standart, 1 Autumn, 2 Winter,\n"
        "                     3 Spring, 4 Summer; add 100 for the Modern style\n"
        "  --show VIEW ARGS   open a table after start-up (for screenshots and scripts)\n"
        "  --row N            select row N of that table and scroll it into view\n"
        "  --screenshot FILE  save a PNG picture of the window, then close it\n"
        "  --web-host HOST[:PORT]  web host of the online features (default: QOR_WEB_HOST,\n"
        "                     else the settings' web_host, else the local service)\n");
}

ScreenSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect g = screen->geometry();
    return {g.width(), g.height()};
}

std::unique_ptr<MainWindow> CreateMainWindow(MainSession& session, SettingsStore& settings,
                                             Prompts& prompts, const QString& programFolder,
                                             ScreenSize screen) {
    // The column widths were designed for a font this desktop may not have: they are fitted
    // to the one the grid draws with.
    session.ctx.grid.FontWidthFactor = FontWidthFactor;
    session.ctx.grid.MeasureText = CellTextWidth;
    const StartupResult r = session.Start(programFolder.toStdString(), screen, settings);
    if (!r.Loaded) {
        std::cerr << "qor: " << r.Message << "\n";
        prompts.Inform(nullptr, ToQt(r.Message));
        return nullptr;
    }
    if (r.LanguageFileWrong) prompts.Inform(nullptr, QString::fromLatin1(LanguageFileWrongMessage));
    return std::make_unique<MainWindow>(session, settings, prompts);
}

std::optional<int> AnswerWithoutWindow(const AppOptions& options) {
    if (!options.Error.isEmpty()) {
        std::cerr << options.Error.toStdString() << "\n" << UsageText().toStdString();
        return 64;
    }
    if (options.Help) {
        std::cout << UsageText().toStdString();
        return 0;
    }
    return std::nullopt;
}

int RunQor(QApplication& app, const AppOptions& options, Prompts& prompts,
           SettingsStore& settings) {
    if (const std::optional<int> answered = AnswerWithoutWindow(options)) return *answered;
    const DataFolderChoice data = ChooseDataFolder(options.DataFolder.toStdString());
    if (!data.Error.empty()) {
        std::cerr << "qor: " << data.Error << "\n";
        prompts.Inform(nullptr, QString::fromStdString(data.Error));
        return 1;
    }
    const QString folder = QString::fromStdString(data.Folder);
    // Resolved once: every online request of the run asks the same web host.
    online::OnlineState::Instance().SetWebHost(
        online::ResolveWebHost(options.WebHost.toStdString(), &settings));
    MainSession session;
    std::unique_ptr<MainWindow> window =
        CreateMainWindow(session, settings, prompts, folder, PrimaryScreenSize());
    if (!window) return 1;
    if (options.Theme >= 0) {
        session.SetColorTheme(options.Theme);
        window->ApplyTheme();
        window->SyncAll();
    }
    // Without a window manager (a bare X server) maximising does nothing: the window then
    // takes the screen's available area itself.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->setGeometry(screen->availableGeometry());
    if (!options.Show.isEmpty()) {
        const QString error = window->ShowView(options.Show);
        if (!error.isEmpty()) {
            std::cerr << "qor: " << error.toStdString() << "\n";
            return 64;
        }
    }
    window->showMaximized();
    // Windows a view opened (statistics, dialogs) stay in front of the main window.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != window.get() && w->isVisible()) w->raise();
    if (options.Row > 0) {
        // Once maximised, so that the rows that fit are known: row N a few rows below the top.
        GridView& grid = window->Grid1();
        grid.Grid().Row = std::min(options.Row, grid.Grid().RowCount() - 1);
        grid.Grid().TopRow = std::max(1, grid.Grid().Row - 5);
        QTimer::singleShot(300, &grid, [&grid] { grid.ShowCurrentRow(); });
    }
    if (options.QuitAfterFirstTable)
        window->Grid1().viewport()->installEventFilter(new QuitAfterTablePaint(window->Grid1()));
    if (!options.ScreenshotPath.isEmpty()) {
        // Give the window time to be laid out and painted at its maximised size.
        QTimer::singleShot(700, window.get(), [&] {
            // On a real X server the whole screen is taken, so that the statistics windows a
            // view opened beside the main window are in the picture too.
            QScreen* screen = QGuiApplication::primaryScreen();
            const QPixmap picture =
                QGuiApplication::platformName() == QLatin1String("xcb") && screen
                    ? screen->grabWindow(0)
                    : window->grab();
            if (!picture.save(options.ScreenshotPath))
                std::cerr << "qor: cannot write " << options.ScreenshotPath.toStdString() << "\n";
            window->close();
        });
    }
    return app.exec();
}

} // namespace qor::app
