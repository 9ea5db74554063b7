#include "mainwindow/MainWindow.h"

#include "dialogs/Prompts.h"
#include "mainwindow/FilterBox.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/GPBrowser.h"
#include "mainwindow/GridView.h"
#include "mainwindow/ListDelegate.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/NamedViews.h"
#include "mainwindow/PanelSlides.h"
#include "mainwindow/PopupStyle.h"
#include "mainwindow/QtText.h"
#include "mainwindow/Rounding.h"
#include "statistics/ChampionshipTables.h"
#include "statistics/RecordMenus.h"
#include "statistics/SeasonLists.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace qor::app {

MainWindow::MainWindow(MainSession& session, SettingsStore& settings, Prompts& prompts,
                       QWidget* parent)
    : QMainWindow(parent), session_(session), settings_(settings), prompts_(prompts) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromStdString(MainWindowCaption()));
    const WindowSize min = MinimumWindowSize(session.Screen.Width, session.Screen.Height);
    setMinimumSize(min.Width, min.Height);
    setFont(MainFont(session.ZoomFactor()));

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(10);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::WideTick);
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(10);
    connect(timer2_, &QTimer::timeout, this, &MainWindow::ChampionshipTick);

    BuildMenus();
    BuildCentral();
    BuildPopups();
    BuildOnline();
    BuildSharedResults();
    BuildMessaging();
    BuildCompare();
    BuildEditing();
    BuildStatistics();
    BuildAnalysis();
    ApplyCaptions();
    ApplyTheme();
    SyncAll();
}

MainWindow::~MainWindow() {
    // The tool bar would hand the driver box back as a window of its own before deleting it,
    // and in that window's font the box lays out all its names again: it goes first.
    delete comboBox2_;
}

void MainWindow::BuildCentral() {
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("CentralArea"));
    central_->setAutoFillBackground(true);
    central_->installEventFilter(this);
    setCentralWidget(central_);

    image1_ = MakeLabel("Image1", central_);
    image1_->setScaledContents(true);
    image1_->hide();

    // ---- Tool bar: the all-seasons lists -----------------------------------------------
    QToolBar* panel1 = addToolBar(QStringLiteral("Panel1"));
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setMovable(false);
    panel1->setFloatable(false);
    for (const char* name : {"SpeedButton10", "SpeedButton7", "SpeedButton9"})
        panel1->addWidget(CommandButton(CommandNamed(SeasonListCommands, name), panel1));
    // The driver box with "Analyze driver" and "Find Name", right-aligned.
    auto* spacer = new QWidget(panel1);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    panel1->addWidget(spacer);
    comboBox2_ = new QComboBox(panel1);
    comboBox2_->setObjectName(QStringLiteral("ComboBox2"));
    comboBox2_->setEditable(true);
    comboBox2_->setInsertPolicy(QComboBox::NoInsert);
    comboBox2_->setMinimumContentsLength(22);
    comboBox2_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(comboBox2_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { session_.ctx.browser.DriverBox = FromQt(text); });
    panel1->addWidget(comboBox2_);
    button8_ = MakeButton("button8", QStringLiteral("Analyze driver"), panel1);
    panel1->addWidget(button8_);
    speedButton13_ = MakeButton("SpeedButton13", QString(), panel1);
    panel1->addWidget(speedButton13_);

    BuildGridPanel();
    BuildRightPanel();

    // ---- Status line --------------------------------------------------------------------
    status_ = MakeLabel("status", this);
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);
    // A fixed height: the status text must not move the panels above it.
    statusBar()->setFixedHeight(status_->fontMetrics().height() + 6);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == central_ && event->type() == QEvent::Resize) LayoutPanels();
    if ((watched == kopyala_ || watched == button9_) &&
        (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter))
        ShowHint(static_cast<QToolButton*>(watched)->toolTip());
    if ((watched == kopyala_ || watched == button9_) && event->type() == QEvent::Leave)
        ClearHint(static_cast<QToolButton*>(watched)->toolTip());
    return QMainWindow::eventFilter(watched, event);
}

// ---- Showing state -----------------------------------------------------------------------------

void MainWindow::SyncAll() {
    SyncTables();
    SyncLabels();
    SyncBrowser();
    SyncInfoPanel();
    SyncHistoryButtons();
    SyncMenuTicks();
    SyncDriverBox();
    SyncCompareList();
    SyncSaveChanges();
    SyncShare();
}

void MainWindow::TableRebuilt() {
    tablo1_->Reload();
    SyncAll();
}

void MainWindow::SyncTables() {
    tablo1_->viewport()->update();
    tablo1_->horizontalHeader()->viewport()->update();
    tablo1_->verticalHeader()->viewport()->update();
    if (tablo2_) {
        tablo2_->viewport()->update();
        tablo2_->horizontalHeader()->viewport()->update();
        tablo2_->verticalHeader()->viewport()->update();
    }
    const bool second = session_.ctx.grid.SecondTableVisible;
    if (second) SecondGrid();
    if (panel12_->isVisible() != second) panel12_->setVisible(second);
}

namespace {

// The window's labels and buttons by name, found in one walk instead of one findChild per
// caption. The walk visits children in findChild's order (an object's children before their
// own children), and the first of a name is kept, as findChild would return it.
void CollectNamed(const QObject* parent, QHash<QString, QLabel*>& labels,
                  QHash<QString, QToolButton*>& buttons) {
    for (QObject* child : parent->children()) {
        if (auto* label = qobject_cast<QLabel*>(child)) {
            if (!labels.contains(label->objectName())) labels.insert(label->objectName(), label);
        } else if (auto* button = qobject_cast<QToolButton*>(child)) {
            if (!buttons.contains(button->objectName()))
                buttons.insert(button->objectName(), button);
        }
    }
    for (const QObject* child : parent->children())
        CollectNamed(child, labels, buttons);
}

} // namespace

void MainWindow::ApplyCaptions() {
    const Langs& l = session_.langs;
    QHash<QString, QLabel*> labels;
    QHash<QString, QToolButton*> buttons;
    CollectNamed(this, labels, buttons);
    for (const ControlSlot& c : MainWindowCaptions) {
        const std::string name(c.Control);
        const std::string& text = l.Text(c.Slot);
        if (auto it = actions_.find(name); it != actions_.end()) {
            it->second->setText(ToQt(text));
            continue;
        }
        const QString objectName = QString::fromStdString(name);
        if (QLabel* label = labels.value(objectName))
            label->setText(LabelText(text));
        else if (QToolButton* button = buttons.value(objectName))
            button->setText(ToQt(text));
    }
    speedButton13_->setText(LabelText(l.Text(slot::FindName)));
    speedButton3_->setText(LabelText(l.Text(144)) + QStringLiteral(" \u25BC"));
    speedButton4_->setText(QStringLiteral("\u25B2"));
    infoLabels_["Label32"]->setText(LabelText(l.Text(180)));
}

void MainWindow::ApplyTheme() {
    const ThemePalette& pal = session_.palette;
    QPalette back = central_->palette();
    back.setColor(QPalette::Window, ToQColor(pal.WindowBackColor));
    for (QWidget* w : {static_cast<QWidget*>(central_), panel8_, panel2_, panel3_, panel4_,
                       gpbilgipanel_, panel12_, panel13_}) {
        w->setAutoFillBackground(true);
        w->setPalette(back);
    }
    // Palettes rather than style sheets: a style sheet costs its widget (and a table all its
    // parts) a slower set-up and drawing.
    for (QLabel* title : {label5_, label29_}) {
        QPalette p = title->palette();
        p.setColor(QPalette::WindowText, ToQColor(pal.TitleLabelColor));
        title->setPalette(p);
    }
    tablo1_->SetCornerColour(ToQColor(pal.FixedCellColor));
    if (tablo2_) tablo2_->SetCornerColour(ToQColor(pal.FixedCellColor));
    for (QListWidget* list : {gpListBox1_, listBox2_, listBox3_}) {
        QPalette lp = list->palette();
        lp.setColor(QPalette::Base, ToQColor(pal.ListBack));
        list->setPalette(lp);
    }
    if (pal.DecorationVisible && !pal.DecorationRows.empty()) {
        QImage band(DecorationWidth, static_cast<int>(pal.DecorationRows.size()),
                    QImage::Format_RGB32);
        for (int y = 0; y < band.height(); ++y)
            for (int x = 0; x < DecorationWidth; ++x)
                band.setPixel(x, y, 0xFF000000u | pal.DecorationRows[static_cast<std::size_t>(y)]);
        image1_->setPixmap(QPixmap::fromImage(band));
        image1_->show();
    } else {
        image1_->hide();
    }
    StylePopup(*popupBack_, pal, session_.ZoomFactor());
    StylePopup(*popupMenu2_, pal, session_.ZoomFactor());
    for (auto& [kind, menu] : gridPopups_)
        StylePopup(*menu, pal, session_.ZoomFactor());
    LayoutPanels();
    SyncTables();
    comboBox1_->update();
    gpListBox1_->viewport()->update();
    listBox2_->viewport()->update();
    listBox3_->viewport()->update();
}

void MainWindow::RunTable(const std::function<void(TableContext&)>& command) {
    session_.RunTableCommand(command);
    TableRebuilt();
}

void MainWindow::SetDriverBox(const QString& name) {
    session_.ctx.browser.DriverBox = FromQt(name);
    SyncDriverBox();
}

void MainWindow::SyncDriverBox() {
    if (shownDriverItems_ != session_.DriverBoxItems) {
        const QSignalBlocker block(comboBox2_);
        comboBox2_->clear();
        // In one insertion: the box (and its completer) then take in the ~800 names at once.
        QStringList names;
        names.reserve(static_cast<qsizetype>(session_.DriverBoxItems.size()));
        for (const auto& name : session_.DriverBoxItems)
            names << ToQt(name);
        comboBox2_->addItems(names);
        shownDriverItems_ = session_.DriverBoxItems;
    }
    const QString text = ToQt(session_.ctx.browser.DriverBox);
    if (comboBox2_->currentText() != text) {
        const QSignalBlocker block(comboBox2_);
        comboBox2_->setEditText(text);
    }
}

void MainWindow::ShowHint(const QString& hint) {
    ShowStatus(QStringLiteral("---->   ") + hint + QStringLiteral("   <----"));
}

void MainWindow::ClearHint(const QString& hint) {
    if (status_->text() == QStringLiteral("---->   ") + hint + QStringLiteral("   <----"))
        ShowStatus(QString());
}

void MainWindow::ShowStatus(const QString& text) {
    session_.ctx.browser.Status = FromQt(text);
    status_->setText(ToQt(session_.ctx.browser.Status));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const bool mayClose = session_.ConfirmClose(
        [this](const std::string& question) { return prompts_.AskYesNo(this, ToQt(question)); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}
} // namespace qor::app
