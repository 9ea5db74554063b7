#include "mainwindow/FilterBox.h"

#include "mainwindow/CellPainter.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/MainSession.h"
#include "mainwindow/QtText.h"
#include "mainwindow/Rounding.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace qor::app {
namespace {

// Entries in the odd/even row colours, the title entry bold (filter_boxDrawItem).
class FilterItemDelegate : public QStyledItemDelegate {
  public:
    FilterItemDelegate(const MainSession& session, QObject* parent)
        : QStyledItemDelegate(parent), session_(session) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        const FilterItemStyle s = GridFilter::ItemStyle(session_.palette, index.row(), selected);
        painter->save();
        painter->setClipRect(option.rect);
        painter->fillRect(option.rect, ToQColor(s.Brush));
        if (s.WhiteOutline) {
            painter->setPen(Qt::white);
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        if (s.Picture != CellPicture::None)
            DrawPicture(*painter, option.rect, session_.palette, s.Picture);
        CellFont font;
        font.Size = RoundHalfEven(8 * session_.ZoomFactor());
        font.Bold = s.Bold;
        painter->setFont(CellQFont(font));
        painter->setPen(ToQColor(s.Text));
        painter->drawText(option.rect.adjusted(2, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(RoundHalfEven(15 * session_.ZoomFactor()));
        return s;
    }

  private:
    const MainSession& session_;
};

} // namespace

FilterBox::FilterBox(const MainSession& session, QWidget* parent)
    : QComboBox(parent), session_(session) {
    setObjectName(QStringLiteral("filter_box"));
    setMaxVisibleItems(12);
    hide();
    connect(this, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { emit chosen(index); });
}

void FilterBox::Open(int x, int y, int width) {
    const QSignalBlocker block(this);
    // The drop-down list (and its delegate) is made on the first opening: most sessions never
    // filter, and the window is built faster without it.
    if (!delegateSet_) {
        setItemDelegate(new FilterItemDelegate(session_, this));
        delegateSet_ = true;
    }
    clear();
    for (const std::string& item : session_.filter.Box.Items)
        addItem(ToQt(item));
    setCurrentIndex(0);
    setFixedWidth(std::max(width, 40));
    move(x, y);
    // The box's field has the title cell's colour and black text.
    setStyleSheet(QStringLiteral("QComboBox { background-color: %1; color: black; }")
                      .arg(CssColour(session_.palette.FixedCellColor)));
    show();
    raise();
    setFocus();
    showPopup();
}

void FilterBox::hidePopup() {
    QComboBox::hidePopup();
    hide();
}

void FilterBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (!view()->isVisible()) hide();
}

} // namespace qor::app
