#include "support/AppFixture.h"

#include "mainwindow/GridView.h"
#include "support/GridFixtures.h"

#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QPixmap>

namespace qor::app::testing {

AppFixture::AppFixture() {
    for (const char* name : {"f1data5.dat", "TR.dt", "flags.dat", "other_names.txt", "help_EN.txt"})
        QFile::copy(QStringLiteral(QOR_BIN_DIR "/") + QLatin1String(name),
                    Folder() + QLatin1String(name));
    // The copies must be writable: closing writes the view settings back.
    QFile::setPermissions(Folder() + QStringLiteral("f1data5.dat"),
                          QFile::ReadOwner | QFile::WriteOwner);
    settings = std::make_unique<QtSettingsStore>(Folder() + QStringLiteral("settings.ini"));
}

bool AppFixture::Start(ScreenSize screen) {
    session = std::make_unique<MainSession>();
    window = CreateMainWindow(*session, *settings, prompts, Folder(), screen);
    if (!window) return false;
    window->resize(1200, 760);
    window->show();
    return true;
}

void ShowGPTable(MainWindow& window, int g) {
    MainSession& s = window.Session();
    qor::testing::FillGPResultTable(s.ctx.grid, s.db, g);
    window.Grid1().Reload();
    window.SyncAll();
}

QColor PixelOf(QWidget& widget, QPoint at) {
    const QImage image = widget.grab().toImage();
    return image.pixelColor(at * image.devicePixelRatio());
}

CellTarget CellTargetOf(GridView& view, int col, int row) {
    QWidget* target = view.viewport();
    if (row == 0 && col > 0) target = view.horizontalHeader()->viewport();
    if (col == 0 && row > 0) target = view.verticalHeader()->viewport();
    return {target, target->mapFrom(&view, view.CellRect(col, row).center())};
}

} // namespace qor::app::testing
