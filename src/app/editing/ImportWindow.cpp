#include "editing/ImportWindow.h"

#include "dialogs/Prompts.h"
#include "mainwindow/GPBrowser.h"
#include "mainwindow/MainSession.h"
#include "mainwindow/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace qor::app {

ImportWindow::ImportWindow(MainSession& main, ImportSession& session, Prompts& prompts,
                           QWidget* parent)
    : QDialog(parent), main_(main), session_(session), prompts_(prompts) {
    setObjectName(QStringLiteral("ImportWindow"));
    setWindowTitle(QStringLiteral("Import old data"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    auto* grid = new QGridLayout(this);
    auto* oldLabel = new QLabel(QStringLiteral("Old Data:   ") + ToQt(session.OldPath()), this);
    oldLabel->setTextFormat(Qt::PlainText);
    oldLabel->setWordWrap(true);
    grid->addWidget(oldLabel, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Selected GPs"), this), 0, 1);
    left_ = new QListWidget(this);
    left_->setObjectName(QStringLiteral("ListBox1"));
    right_ = new QListWidget(this);
    right_->setObjectName(QStringLiteral("ListBox2"));
    for (QListWidget* list : {left_, right_}) {
        list->setFont(fixed);
        list->setMinimumSize(200, 300);
    }
    grid->addWidget(left_, 1, 0);
    grid->addWidget(right_, 1, 1);
    auto* button = new QPushButton(QStringLiteral("Import selected GPs"), this);
    button->setObjectName(QStringLiteral("ImportButton"));
    grid->addWidget(button, 2, 1, Qt::AlignRight);
    setGeometry(100, 100, 460, 370);

    connect(left_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        session_.MoveFromOld(static_cast<std::size_t>(left_->row(item)));
        Fill();
    });
    connect(right_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        session_.MoveFromSelected(static_cast<std::size_t>(right_->row(item)));
        Fill();
    });
    connect(button, &QPushButton::clicked, this, &ImportWindow::ImportSelected);
    Fill();
}

void ImportWindow::Fill() {
    const auto fill = [](QListWidget* list, const std::vector<ImportItem>& items) {
        list->clear();
        for (const ImportItem& i : items)
            list->addItem(ToQt(i.text));
    };
    fill(left_, session_.OldItems());
    fill(right_, session_.SelectedItems());
}

void ImportWindow::ImportSelected() {
    const std::vector<ImportedGP> outcome = session_.ImportSelected();
    Fill();
    if (!ImportSession::AnyAdded(outcome)) return;
    main_.SaveChangesEnabled = true;
    // The year view again: the seasons' GP lists may have changed.
    const int year = main_.ctx.browser.YearIndex;
    FillYearLists(main_.ctx);
    main_.ctx.browser.YearIndex = year;
    ComboBox1Change(main_.ctx);
    emit imported();
    prompts_.Inform(this, ToQt(main_.langs.MsgImportCompleted));
}

} // namespace qor::app
