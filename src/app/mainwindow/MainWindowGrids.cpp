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

void MainWindow::BuildGridPanel() {
    const double s = session_.ZoomFactor();
    panel8_ = new QWidget(central_);
    panel8_->setObjectName(QStringLiteral("Panel8"));
    auto* v8 = new QVBoxLayout(panel8_);
    v8->setContentsMargins(4, 2, 4, 2);
    v8->setSpacing(2);

    label5_ = MakeLabel("label5", panel8_);
    label5_->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("arial"));
    titleFont.setPixelSize(RoundHalfEven(16 * s));
    titleFont.setBold(true);
    label5_->setFont(titleFont);
    v8->addWidget(label5_);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(3);
    backButton_ = MakeButton("backbutton", QStringLiteral("<--"), panel8_);
    nextButton_ = MakeButton("nextbutton", QStringLiteral("-->"), panel8_);
    speedButton17_ = MakeButton("SpeedButton17", QStringLiteral("|"), panel8_);
    kopyala_ = MakeButton("kopyala", QStringLiteral("Copy to new table"), panel8_);
    kopyala_->setToolTip(QStringLiteral("Copy to new table"));
    button9_ = MakeButton("button9", QStringLiteral("HTML"), panel8_);
    button9_->setToolTip(QStringLiteral("Extract data as HTML"));
    for (QToolButton* b : {kopyala_, button9_}) {
        b->setMouseTracking(true);
        b->installEventFilter(this);
    }
    label1_ = MakeLabel("Label1", panel8_);
    label3_ = MakeLabel("Label3", panel8_);
    speedButton2_ = MakeButton("SpeedButton2", QStringLiteral("<< >>"), panel8_);
    speedButton2_->setToolTip(QStringLiteral("Wide table"));
    speedButton1_ = MakeButton("SpeedButton1", QStringLiteral(">> <<"), panel8_);
    speedButton1_->setToolTip(QStringLiteral("Normal table"));
    speedButton1_->hide();
    bar->addWidget(backButton_);
    bar->addWidget(nextButton_);
    bar->addWidget(speedButton17_);
    bar->addSpacing(RoundHalfEven(12 * s));
    bar->addWidget(kopyala_);
    bar->addWidget(button9_);
    bar->addSpacing(RoundHalfEven(12 * s));
    bar->addWidget(label1_);
    bar->addSpacing(RoundHalfEven(12 * s));
    bar->addWidget(label3_);
    bar->addStretch(1);
    bar->addWidget(speedButton2_);
    bar->addWidget(speedButton1_);
    v8->addLayout(bar);

    splitter1_ = new QSplitter(Qt::Vertical, panel8_);
    splitter1_->setObjectName(QStringLiteral("Splitter1"));
    splitter1_->setChildrenCollapsible(false);
    panel13_ = new QWidget(splitter1_);
    panel13_->setObjectName(QStringLiteral("Panel13"));
    auto* v13 = new QVBoxLayout(panel13_);
    v13->setContentsMargins(0, 0, 0, 0);
    tablo1_ = new GridView(session_, session_.ctx.grid.tablo1, panel13_);
    tablo1_->setObjectName(QStringLiteral("tablo1"));
    v13->addWidget(tablo1_);

    panel12_ = new QWidget(splitter1_);
    panel12_->setObjectName(QStringLiteral("Panel12"));
    auto* v12 = new QVBoxLayout(panel12_);
    v12->setContentsMargins(0, 2, 0, 0);
    v12->setSpacing(2);
    auto* head2 = new QHBoxLayout;
    label29_ = MakeLabel("Label29", panel12_);
    label29_->setFont(titleFont);
    label31_ = MakeLabel("Label31", panel12_);
    label4_ = MakeLabel("Label4", panel12_);
    speedButton12_ = MakeButton("SpeedButton12", QStringLiteral("X"), panel12_);
    speedButton12_->setToolTip(QStringLiteral("Close"));
    head2->addWidget(label29_);
    head2->addSpacing(RoundHalfEven(12 * s));
    head2->addWidget(label31_);
    head2->addSpacing(RoundHalfEven(12 * s));
    head2->addWidget(label4_);
    head2->addStretch(1);
    head2->addWidget(speedButton12_);
    v12->addLayout(head2);
    // tablo2 (SecondGrid) follows the heading when a table is first copied there.
    panel12_->hide();
    splitter1_->addWidget(panel13_);
    splitter1_->addWidget(panel12_);
    v8->addWidget(splitter1_, 1);

    filterBox_ = new FilterBox(session_, panel13_);
    connect(filterBox_, &FilterBox::chosen, this, &MainWindow::OnFilterChosen);

    connect(tablo1_, &GridView::cellPressed, this, &MainWindow::OnCellPressed);
    connect(tablo1_, &GridView::cellDoubleClicked, this, &MainWindow::OnCellDoubleClicked);
    connect(tablo1_, &GridView::cellSelected, this, &MainWindow::OnCellSelected);
    connect(backButton_, &QToolButton::clicked, this, &MainWindow::Back);
    connect(nextButton_, &QToolButton::clicked, this, &MainWindow::Next);
    connect(speedButton17_, &QToolButton::clicked, this, &MainWindow::OpenHistoryMenu);
    connect(kopyala_, &QToolButton::clicked, this, &MainWindow::CopyToNewTable);
    connect(button9_, &QToolButton::clicked, this, &MainWindow::ExportHtml);
    connect(speedButton12_, &QToolButton::clicked, this, &MainWindow::CloseSecondTable);
    connect(speedButton2_, &QToolButton::clicked, this, [this] { StartWidening(true); });
    connect(speedButton1_, &QToolButton::clicked, this, [this] { StartWidening(false); });
}

void MainWindow::SyncLabels() {
    const ResultGrid& g = session_.ctx.grid;
    label5_->setText(LabelText(g.tablo1.TitleLabel));
    label1_->setText(LabelText(g.tablo1.CountLabel));
    label3_->setText(LabelText(g.tablo1.FilterLabel));
    label29_->setText(LabelText(g.tablo2.TitleLabel));
    label31_->setText(LabelText(g.tablo2.CountLabel));
    label4_->setText(LabelText(g.tablo2.FilterLabel));
    button9_->setVisible(g.HtmlButtonVisible);
    status_->setText(ToQt(session_.ctx.browser.Status));
}

void MainWindow::SyncHistoryButtons() {
    const NavigationHistory& h = session_.ctx.history;
    backButton_->setEnabled(h.BackEnabled());
    nextButton_->setEnabled(h.NextEnabled());
    speedButton17_->setEnabled(h.MenuButtonEnabled());
}

// ---- Grid handlers -----------------------------------------------------------------------------

void MainWindow::OnCellPressed(GridView* view, int col, int row, Qt::MouseButton button, bool ctrl,
                               QPoint globalPos) {
    const MouseButton b = button == Qt::LeftButton    ? MouseButton::Left
                          : button == Qt::RightButton ? MouseButton::Right
                                                      : MouseButton::Middle;
    const int filterLeft = col >= 0 ? view->TitleCellLeftInParent(col) : 0;
    const GridAction action =
        session_.interaction.MouseDown(view->Grid(), col, row, b, ctrl, filterLeft);
    if (action.DriverBoxText) session_.ctx.browser.DriverBox = *action.DriverBoxText;
    switch (action.Kind) {
    case GridActionKind::OpenPopup:
        OpenPopup(action.Popup, action.Captions, globalPos);
        break;
    case GridActionKind::RepaintGrids:
        SyncTables();
        break;
    case GridActionKind::FilterOpened: {
        filterBox_->setParent(view->parentWidget());
        filterBox_->Open(session_.filter.Box.Left, view->y(), session_.filter.Box.Width);
        break;
    }
    default:
        break;
    }
}

void MainWindow::OpenPopup(GridPopup popup, const std::vector<MenuCaption>& captions,
                           QPoint globalPos) {
    const auto it = gridPopups_.find(popup);
    if (it == gridPopups_.end()) return;
    QMenu* menu = it->second;
    for (const MenuCaption& c : captions) {
        QAction* a = menu->findChild<QAction*>(QString::fromStdString(c.Item));
        if (!a) continue;
        if (a->property("qorHeading").toBool())
            SetHeadingText(*a, ToQt(c.Caption));
        else
            a->setText(ToQtCaption(c.Caption));
    }
    openedPopup_ = menu;
    menu->popup(globalPos);
}

void MainWindow::OnCellDoubleClicked(GridView* view) {
    const GridAction action = session_.interaction.DoubleClick(view->Grid());
    if (action.DriverBoxText) session_.ctx.browser.DriverBox = *action.DriverBoxText;
    if (action.Kind == GridActionKind::AnalyzeDriver) AnalyzeDriverBox();
    if (action.Kind == GridActionKind::ShowGP &&
        session_.ShowGPOfAction(action, tablo1_->VisibleRowCount()))
        TableRebuilt();
}

void MainWindow::OnCellSelected(GridView* view, int col, int row) {
    const CellSelection sel = session_.interaction.SelectCell(view->Grid(), col, row);
    if (!sel.Allowed) {
        view->ShowCurrentRow();
        return;
    }
    if (sel.Unchanged) return;
    if (sel.Status) session_.ctx.browser.Status = *sel.Status;
    if (sel.DriverBoxText) session_.ctx.browser.DriverBox = *sel.DriverBoxText;
    if (sel.GPInfo) {
        session_.ShowGPInfo(*sel.GPInfo);
        SyncInfoPanel();
    }
    status_->setText(ToQt(session_.ctx.browser.Status));
}

GridView& MainWindow::SecondGrid() {
    // Most sessions never copy a table: its grid is not built (nor styled) at start-up.
    if (tablo2_) return *tablo2_;
    tablo2_ = new GridView(session_, session_.ctx.grid.tablo2, panel12_);
    tablo2_->setObjectName(QStringLiteral("tablo2"));
    static_cast<QBoxLayout*>(panel12_->layout())->addWidget(tablo2_);
    // Shown with its panel, and reached by Tab right after the panel's close button, as when
    // it was built with the window.
    tablo2_->show();
    QWidget::setTabOrder(speedButton12_, tablo2_);
    tablo2_->SetCornerColour(ToQColor(session_.palette.FixedCellColor));
    connect(tablo2_, &GridView::cellPressed, this, &MainWindow::OnCellPressed);
    connect(tablo2_, &GridView::cellDoubleClicked, this, &MainWindow::OnCellDoubleClicked);
    connect(tablo2_, &GridView::cellSelected, this, &MainWindow::OnCellSelected);
    return *tablo2_;
}

void MainWindow::OnFilterChosen(int index) {
    GridTable* grid = session_.filter.Box.Grid;
    session_.filter.Apply(index);
    GridView& view = grid == &session_.ctx.grid.tablo2 ? SecondGrid() : *tablo1_;
    view.ApplyRowHeights();
    SyncLabels();
}

// ---- Commands ----------------------------------------------------------------------------------

int MainWindow::VisibleGridRows() const {
    return tablo1_->VisibleRowCount();
}

void MainWindow::Back() {
    session_.RunTableCommand([](TableContext& ctx) { ctx.history.Back(); });
    TableRebuilt();
}

void MainWindow::Next() {
    session_.RunTableCommand([](TableContext& ctx) { ctx.history.Next(); });
    TableRebuilt();
}

void MainWindow::OpenHistoryMenu() {
    popupBack_->clear();
    const NavigationHistory& h = session_.ctx.history;
    auto* group = new QActionGroup(popupBack_);
    for (int i = 0; i < h.HistCount(); ++i) {
        QAction* a = popupBack_->addAction(ToQtCaption(h.ItemCaption(i)));
        a->setCheckable(true);
        a->setActionGroup(group);
        a->setChecked(i == h.MarkedItem());
        connect(a, &QAction::triggered, this, [this, i] {
            session_.RunTableCommand([i](TableContext& ctx) { ctx.history.ChooseItem(i); });
            TableRebuilt();
        });
    }
    StylePopup(*popupBack_, session_.palette, session_.ZoomFactor());
    popupBack_->popup(speedButton17_->mapToGlobal(QPoint(5, 5)));
}

void MainWindow::CopyToNewTable() {
    if (session_.CopyToNewTable()) {
        panel12_->show();
        const int total = splitter1_->height();
        splitter1_->setSizes({total / 2, total - total / 2});
    }
    SecondGrid().Reload();
    SyncAll();
}

void MainWindow::CloseSecondTable() {
    session_.CloseSecondTable();
    panel12_->hide();
    SyncAll();
}

void MainWindow::ExportHtml() {
    const HtmlExportResult r = session_.ExportHtml();
    if (r.Status == HtmlExportResult::Outcome::Written) {
        const QString path = QString::fromStdString(r.Path);
        if (!prompts_.OpenPage(path)) {
            // The page is there; the user may open it by hand.
            ShowStatus(QStringLiteral("  No program could open the page written to ") + path);
        }
    } else if (r.Status == HtmlExportResult::Outcome::Failed) {
        // No message box: the status line tells what could not be written.
        session_.ctx.browser.Status = "  " + r.Message;
        SyncLabels();
    }
}
} // namespace qor::app
