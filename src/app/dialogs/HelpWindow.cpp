#include "dialogs/HelpWindow.h"

#include "mainwindow/MainWindow.h"
#include "mainwindow/QtText.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace qor::app {
namespace {

// Section buttons: left 5, 220 wide, 20 high, one every 22 pixels from the top of 10.
constexpr int ButtonLeft = 5, ButtonWidth = 220, ButtonHeight = 20, ButtonPitch = 22,
              ButtonTop = 10;

} // namespace

HelpWindow::HelpWindow(MainWindow& main) : QDialog(&main) {
    setObjectName(QStringLiteral("Form5"));
    const MainSession& session = main.Session();
    const Langs& l = session.langs;
    setWindowTitle(ToQt(l.Text(slot::Usage)));
    help_ = HelpText::Load(session.ProgramFolder, l.HelpFileName);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    const int sections = static_cast<int>(help_.Sections.size());
    const int okTop = ButtonTop + ButtonPitch * sections + 12;
    panel1->setFixedWidth(ButtonLeft + ButtonWidth + 8);
    panel1->setMinimumHeight(okTop + 30);
    QFont bold = font();
    bold.setBold(true);
    for (int i = 0; i < sections; ++i) {
        const HelpSection& s = help_.Sections[static_cast<std::size_t>(i)];
        auto* b = new QToolButton(panel1);
        b->setObjectName(QStringLiteral("Section%1").arg(i + 1));
        b->setAutoRaise(true);
        b->setFont(bold);
        b->setText(ToQtCaption(s.Title));
        b->setGeometry(ButtonLeft, ButtonTop + ButtonPitch * i, ButtonWidth, ButtonHeight);
        b->setProperty("Tag", static_cast<qulonglong>(s.TitleLine));
        connect(b, &QToolButton::clicked, this,
                [this, i] { ShowSection(static_cast<std::size_t>(i)); });
        sections_.push_back(b);
    }
    button1_ = new QPushButton(ToQtCaption(l.Text(218)), panel1);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setGeometry(ButtonLeft + 60, okTop, 100, 26);
    connect(button1_, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(panel1);

    memo2_ = new QPlainTextEdit(this);
    memo2_->setObjectName(QStringLiteral("Memo2"));
    memo2_->setReadOnly(true);
    memo2_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo2_->setFont(QFont(QStringLiteral("microsoft sans serif"), 9));
    memo2_->setMinimumWidth(560);
    layout->addWidget(memo2_, 1);
    resize(ButtonLeft + ButtonWidth + 8 + 640, std::max(okTop + 40, 480));

    if (!sections_.empty()) ShowSection(0);
}

void HelpWindow::ShowSection(std::size_t section) {
    memo2_->clear();
    QStringList lines;
    for (const std::string& line : help_.Sections[section].Lines)
        lines << ToQt(line);
    memo2_->setPlainText(lines.join(QLatin1Char('\n')));
    memo2_->verticalScrollBar()->setValue(0);
}

} // namespace qor::app
