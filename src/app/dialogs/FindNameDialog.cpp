#include "dialogs/FindNameDialog.h"

#include "dialogs/FindName.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cmath>

namespace qor::app {

FindNameDialog::FindNameDialog(MainWindow& main) : QWidget(&main, Qt::Tool), main_(main) {
    setObjectName(QStringLiteral("Form3"));
    const double scale = std::round(100 * main_.Session().ZoomFactor()) / 100;
    setFont(MainFont(main_.Session().ZoomFactor()));
    auto* layout = new QGridLayout(this);
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    connect(edit1_, &QLineEdit::returnPressed, this, &FindNameDialog::Search);
    button1_ = new QPushButton(this);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setAutoDefault(false);
    connect(button1_, &QPushButton::clicked, this, &FindNameDialog::Search);
    listBox1_ = new QListWidget(this);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    listBox1_->setMinimumSize(static_cast<int>(380 * scale), static_cast<int>(260 * scale));
    connect(listBox1_, &QListWidget::currentRowChanged, this, [this](int row) {
        label2_->setText(row >= 0 ? listBox1_->item(row)->text() : QString());
    });
    connect(listBox1_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Choose(listBox1_->row(item)); });
    label1_ = MakeLabel("Label1", this);
    label2_ = MakeLabel("Label2", this);
    QFont bold = label2_->font();
    bold.setBold(true);
    label2_->setFont(bold);
    layout->addWidget(edit1_, 0, 0);
    layout->addWidget(button1_, 0, 1);
    layout->addWidget(listBox1_, 1, 0, 1, 2);
    layout->addWidget(label1_, 2, 0, 1, 2);
    layout->addWidget(label2_, 3, 0, 1, 2);
}

void FindNameDialog::Open() {
    const Langs& l = main_.Session().langs;
    button1_->setText(ToQtCaption(l.Text(slot::Search)));
    setWindowTitle(ToQt(l.Text(slot::FindName)));
    label1_->setText(LabelText(l.Text(slot::DoubleClickToSelect)));
    QPalette back = palette();
    back.setColor(QPalette::Window, ToQColor(main_.Session().palette.WindowBackColor));
    setPalette(back);
    setAutoFillBackground(true);
    show();
    raise();
    activateWindow();
    edit1_->setFocus();
}

void FindNameDialog::Search() {
    listBox1_->clear();
    for (const std::string& line : FindNameList(main_.Session().db, FromQt(edit1_->text())))
        listBox1_->addItem(ToQt(line));
}

void FindNameDialog::Choose(int row) {
    if (row < 0 || row >= listBox1_->count()) return;
    main_.SetDriverBox(
        ToQt(FindNameOfLine(main_.Session().db, FromQt(listBox1_->item(row)->text()))));
    close();
}

} // namespace qor::app
