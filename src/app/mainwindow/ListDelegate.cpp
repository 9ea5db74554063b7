#include "mainwindow/ListDelegate.h"

#include "mainwindow/CellPainter.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/MainSession.h"
#include "mainwindow/QtText.h"
#include "mainwindow/Rounding.h"

#include <QPainter>

namespace qor::app {

int ListDelegate::ItemHeight() const {
    return RoundHalfEven(baseHeight_ * session_.ZoomFactor());
}

void ListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const ThemePalette& pal = session_.palette;
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    QRect rect = option.rect;
    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(rect, ToQColor(selected ? pal.ListSelBack : pal.ListBack));
    if (pal.Modern) {
        rect.setBottom(rect.bottom() - 1);
        if (selected) {
            DrawPicture(*painter, rect, pal, CellPicture::Odd);
        } else {
            painter->setPen(ToQColor(pal.OddBrushColor));
            painter->setBrush(ToQColor(pal.ListBack));
            painter->drawRect(rect.adjusted(0, 0, -1, -1));
            DrawPicture(*painter, rect.translated(0, 1), pal, CellPicture::Even);
        }
    }
    CellFont font;
    font.Name = fontName_;
    font.Size = RoundHalfEven(8 * session_.ZoomFactor());
    painter->setFont(CellQFont(font));
    painter->setPen(ToQColor(selected ? pal.ListSelText : pal.ListText));
    painter->drawText(QRect(option.rect.left() + 4, option.rect.top(), option.rect.width() - 4,
                            option.rect.height()),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize ListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(ItemHeight());
    return s;
}

} // namespace qor::app
