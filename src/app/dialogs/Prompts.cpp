#include "dialogs/Prompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace qor::app {

void DesktopPrompts::Inform(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QApplication::applicationName(), text);
}

bool DesktopPrompts::AskYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString DesktopPrompts::PickLanguageFile(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Select a language file to use from Qor directory"), folder,
        QStringLiteral("Qor language file (*.DT *.dt)"));
}

bool DesktopPrompts::OpenPage(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

int DesktopPrompts::RunModal(QDialog& dialog) {
    return dialog.exec();
}

QString DesktopPrompts::PickImportFile(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Select old Qor database to import"), folder,
        QStringLiteral("f1data4.dat (f1data4.dat);;f1data5.dat (f1data5.dat)"));
}

} // namespace qor::app
