#include "mainwindow/MainWindow.h"

#include "dialogs/Prompts.h"
#include "editing/EditCommands.h"
#include "editing/GPDialogWindow.h"
#include "editing/ImportWindow.h"
#include "editing/RecordDialogWindow.h"
#include "mainwindow/GridView.h"
#include "mainwindow/QtText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <filesystem>

namespace qor::app {

void MainWindow::BuildEditing() {
    QMenu* update = new QMenu(this);
    update->menuAction()->setObjectName(QStringLiteral("Update1"));
    actions_["Update1"] = update->menuAction();
    menuBar()->insertMenu(actions_["Dil1"], update);
    QMenu* records = update->addMenu(QStringLiteral("Records"));
    records->menuAction()->setObjectName(QStringLiteral("Records1"));
    QMenu* gps = update->addMenu(QStringLiteral("GPs"));
    gps->menuAction()->setObjectName(QStringLiteral("GPs1"));

    // A command that asks first (a question or a refusal), then runs the dialog or deletion.
    const auto item = [this](QMenu& menu, const char* name, const char* keys,
                             std::function<void()> run) {
        QAction* a = AddAction(menu, name, {});
        a->setShortcut(QKeySequence(QString::fromLatin1(keys)));
        connect(a, &QAction::triggered, this, std::move(run));
    };
    const auto refused = [this](const EditStep& step) {
        if (!step.Proceed && !step.Message.empty()) prompts_.Inform(this, ToQt(step.Message));
        return !step.Proceed;
    };
    // The record and GP dialogs, shown once their command has prepared them.
    const auto recordDialog = [this, refused](EditStep (*prepare)(MainSession&, RecordDialog&)) {
        if (refused(prepare(session_, recordDialog_))) return;
        RecordDialogWindow dialog(session_, recordDialog_, prompts_, this);
        RunEditDialog(dialog);
    };
    const auto gpDialog = [this, refused](EditStep (*prepare)(MainSession&, GPDialog&)) {
        if (refused(prepare(session_, gpDialog_))) return;
        GPDialogWindow dialog(session_, gpDialog_, prompts_, this);
        RunEditDialog(dialog);
    };
    item(*records, "NewRecord1", "Ctrl+N", [recordDialog] { recordDialog(NewRecord1Click); });
    item(*records, "UpdateRecord1", "Ctrl+U", [recordDialog] { recordDialog(UpdateRecord1Click); });
    item(*records, "DeleteRecord1", "Ctrl+D", [this, refused] {
        const EditStep ask = DeleteRecord1Click(session_);
        if (refused(ask) || !prompts_.AskYesNo(this, ToQt(ask.Message))) return;
        DeleteSelectedRecord(session_);
        TableRebuilt();
    });
    item(*gps, "NewGP1", "Ctrl+Alt+N", [gpDialog] { gpDialog(NewGP1Click); });
    item(*gps, "UpdateGP1", "Ctrl+Alt+U", [gpDialog] { gpDialog(UpdateGP1Click); });
    item(*gps, "DeleteGP1", "Ctrl+Alt+D", [this, refused] {
        const EditStep ask = DeleteGP1Click(session_);
        if (refused(ask) || !prompts_.AskYesNo(this, ToQt(ask.Message))) return;
        const std::string message = DeleteShownGP(session_);
        if (!message.empty()) prompts_.Inform(this, ToQt(message));
        TableRebuilt();
    });
    update->addSeparator();
    QAction* import = update->addAction(QStringLiteral("Import Old DB"));
    import->setObjectName(QStringLiteral("ImportOldDB1"));
    actions_["ImportOldDB1"] = import;
    connect(import, &QAction::triggered, this, &MainWindow::ImportOldDB);
    update->addSeparator();
    item(*update, "Savechanges1", "Ctrl+S", [this] { SaveChanges(); });
    actions_["Savechanges1"]->setEnabled(false);
}

void MainWindow::SyncSaveChanges() {
    actions_["Savechanges1"]->setEnabled(session_.SaveChangesEnabled);
}

bool MainWindow::RunEditDialog(QDialog& dialog) {
    const bool saved = prompts_.RunModal(dialog) == QDialog::Accepted;
    // Refilled by the command: the names of drivers it may have added.
    if (saved) TableRebuilt();
    SyncAll();
    return saved;
}

void MainWindow::ImportOldDB() {
    const QString path =
        prompts_.PickImportFile(this, QString::fromStdString(session_.ProgramFolder));
    if (path.isEmpty() || !std::filesystem::exists(path.toStdString())) return;
    ImportSession import(session_.db);
    switch (import.Open(path.toStdString())) {
    case ImportSession::OpenResult::Opened:
        break;
    case ImportSession::OpenResult::SameFile:
    case ImportSession::OpenResult::LoadFailed:
        prompts_.Inform(this, ToQt(import.Message()));
        return;
    // A file the import cannot use is said so, rather than the choice passing unanswered.
    case ImportSession::OpenResult::NotImportable:
        prompts_.Inform(this, QStringLiteral("Only a Qor data file named f1data4.dat or "
                                             "f1data5.dat can be imported."));
        return;
    case ImportSession::OpenResult::NothingToImport:
        prompts_.Inform(this, QStringLiteral("The file holds no season from 2005 on to import."));
        return;
    }
    ImportWindow window(session_, import, prompts_, this);
    connect(&window, &ImportWindow::imported, this, [this] { TableRebuilt(); });
    prompts_.RunModal(window);
}

std::optional<QString> MainWindow::ShowEditView(const QStringList& args) {
    if (args.isEmpty()) return std::nullopt;
    const QString& view = args.front();
    QDialog* dialog = nullptr;
    if (view == QLatin1String("new-gp")) {
        NewGP1Click(session_, gpDialog_);
        if (args.size() == 2)
            for (std::size_t i = 0; i < LastSeasonCalendar.size(); ++i)
                if (QString::fromLatin1(LastSeasonCalendar[i].GPName) == args[1])
                    gpDialog_.ChooseCalendarRow(static_cast<int>(i));
        dialog = new GPDialogWindow(session_, gpDialog_, prompts_, this);
    } else if (view == QLatin1String("update-record") && args.size() == 2) {
        tablo1_->Grid().Row = std::clamp(args[1].toInt(), 1, tablo1_->Grid().RowCount() - 1);
        const EditStep step = UpdateRecord1Click(session_, recordDialog_);
        if (!step.Proceed) return ToQt(step.Message);
        dialog = new RecordDialogWindow(session_, recordDialog_, prompts_, this);
    } else if (view == QLatin1String("import") && args.size() == 2) {
        shownImport_ = std::make_unique<ImportSession>(session_.db);
        if (shownImport_->Open(FromQt(args[1])) != ImportSession::OpenResult::Opened)
            return QStringLiteral("cannot import ") + args[1] + QStringLiteral(": ") +
                   ToQt(shownImport_->Message());
        dialog = new ImportWindow(session_, *shownImport_, prompts_, this);
    } else if (view == QLatin1String("new-gp") || view == QLatin1String("update-record") ||
               view == QLatin1String("import")) {
        return QStringLiteral("usage: new-gp [NAME] | update-record ROW | import FILE");
    } else {
        return std::nullopt;
    }
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return QString();
}

void MainWindow::SaveChanges() {
    const std::string message = Savechanges1Click(session_);
    if (!message.empty()) prompts_.Inform(this, ToQt(message));
    SyncSaveChanges();
}

} // namespace qor::app
