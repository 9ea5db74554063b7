#include "statistics/TrackStatisticsWindow.h"

#include "dialogs/Prompts.h"
#include "mainwindow/CellPainter.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"
#include "mainwindow/Rounding.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace qor::app {
namespace {

// ListBox1DrawItem: the header line bold, selection in the theme's list colours, and in the
// Modern style the style's picture behind each line.
class PistLineDelegate : public QStyledItemDelegate {
  public:
    PistLineDelegate(const MainSession& session, QObject* parent)
        : QStyledItemDelegate(parent), session_(session) {}

    int ItemHeight() const { return RoundHalfEven(14 * session_.ZoomFactor()); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const ThemePalette& pal = session_.palette;
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        painter->save();
        painter->setClipRect(option.rect);
        painter->fillRect(option.rect, ToQColor(selected ? pal.ListSelBack : pal.ListBack));
        if (pal.Modern)
            DrawPicture(*painter, option.rect, pal,
                        selected ? CellPicture::Sel : CellPicture::Even);
        CellFont font;
        font.Name = "courier new";
        font.Size = RoundHalfEven(8 * session_.ZoomFactor());
        font.Bold = index.row() == 0;
        painter->setFont(CellQFont(font));
        painter->setPen(ToQColor(selected ? pal.ListSelText : pal.ListText));
        painter->drawText(option.rect.adjusted(2, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(ItemHeight());
        return s;
    }

  private:
    const MainSession& session_;
};

} // namespace

TrackStatisticsWindow::TrackStatisticsWindow(MainWindow& main)
    : QDialog(&main, Qt::Dialog | Qt::WindowStaysOnTopHint), main_(main) {
    setObjectName(QStringLiteral("Form13"));
    setModal(false);
    const double scale = std::round(100 * main_.Session().ZoomFactor()) / 100;
    setFont(MainFont(main_.Session().ZoomFactor()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    label1_ = MakeLabel("Label1", this);
    QFont bold = label1_->font();
    bold.setBold(true);
    label1_->setFont(bold);
    layout->addWidget(label1_);
    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < PistListCount; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("SB%1").arg(i + 1));
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        const int list = i + 1;
        connect(b, &QToolButton::clicked, this, [this, list] { ShowPistList(list); });
        buttons->addWidget(b);
        buttons_[static_cast<std::size_t>(i)] = b;
    }
    layout->addLayout(buttons);
    // One line of the best-lap list: 22 + 27 + 6 + 12 + 11 characters of a fixed-pitch font.
    CellFont font;
    font.Name = "courier new";
    font.Size = RoundHalfEven(8 * main_.Session().ZoomFactor());
    const int lineWidth =
        QFontMetrics(CellQFont(font)).horizontalAdvance(QString(80, QLatin1Char('0')));
    for (int i = 0; i < PistListCount; ++i) {
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("ListBox%1").arg(i + 1));
        list->setItemDelegate(new PistLineDelegate(main_.Session(), list));
        list->setUniformItemSizes(true);
        list->setMinimumSize(lineWidth + 30, RoundHalfEven(420 * scale));
        const int number = i + 1;
        connect(list, &QListWidget::itemClicked, this, [this, list, number](QListWidgetItem* item) {
            ClickLine(number, list->row(item));
        });
        layout->addWidget(list);
        lists_[static_cast<std::size_t>(i)] = list;
    }
}

void TrackStatisticsWindow::Open() {
    MainSession& session = main_.Session();
    stats_ = PistStatistics1Click(session.db);
    for (int i = 0; i < PistListCount; ++i) {
        QListWidget* list = lists_[static_cast<std::size_t>(i)];
        list->clear();
        for (const std::string& line : stats_.List(i + 1))
            list->addItem(ToQt(line));
        QPalette lp = list->palette();
        lp.setColor(QPalette::Base, ToQColor(session.palette.ListBack));
        list->setPalette(lp);
    }
    QPalette back = palette();
    back.setColor(QPalette::Window, ToQColor(session.palette.WindowBackColor));
    setPalette(back);
    setAutoFillBackground(true);
    const PistCaptions captions = PistWindowCaptions(session.langs);
    setWindowTitle(ToQt(captions.Window));
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setText(ToQtCaption(captions.Buttons[i]));
    label1_->setText(LabelText(captions.TopLabel));
    ShowPistList(PistListBestLap);
    show();
    raise();
}

void TrackStatisticsWindow::ShowPistList(int list) {
    stats_.Shown = list;
    for (int i = 0; i < PistListCount; ++i)
        lists_[static_cast<std::size_t>(i)]->setVisible(i + 1 == list);
    buttons_[static_cast<std::size_t>(list - 1)]->setChecked(true);
}

void TrackStatisticsWindow::ClickLine(int list, int index) {
    if (index <= 0) return;
    if (list == PistListBestLap) {
        std::string message;
        main_.RunTable([&](TableContext& ctx) { message = stats_.ListBox1Click(ctx, index); });
        if (!message.empty()) main_.Inform(ToQt(message));
        return;
    }
    const MenuItemCall call = stats_.ListBox4Click(main_.Session().db, list, index);
    if (call.Empty()) return;
    main_.RunTable([call](TableContext& ctx) { RunMenuItemCall(ctx, call); });
}

} // namespace qor::app
