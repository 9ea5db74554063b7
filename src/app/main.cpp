// qor: the desktop program for the Formula One results 1950-2006.

#include "AppStart.h"
#include "dialogs/Prompts.h"
#include "mainwindow/Fonts.h"
#include "settings/QtSettingsStore.h"

#include <QApplication>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<int> answered =
            qor::app::AnswerWithoutWindow(qor::app::ParseOptions(arguments)))
        return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qor"));
    QApplication::setOrganizationName(QStringLiteral("Qor"));
    QApplication::setApplicationVersion(QStringLiteral("1.88"));
    qor::app::InstallFontSubstitutions();
    qor::app::DesktopPrompts prompts;
    qor::app::QtSettingsStore settings;
    return qor::app::RunQor(app, qor::app::ParseOptions(QApplication::arguments()), prompts,
                            settings);
}
