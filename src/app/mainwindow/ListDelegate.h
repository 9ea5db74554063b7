#pragma once
// Owner drawing of the year box, the GP list and the standings year lists in the theme's list
// colours (and the Modern pictures).

#include <QStyledItemDelegate>

namespace qor {
class MainSession;
}

namespace qor::app {

class ListDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // baseHeight: the item height at zoom 1.
    ListDelegate(const MainSession& session, int baseHeight, QObject* parent)
        : QStyledItemDelegate(parent), session_(session), baseHeight_(baseHeight) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The GP list shows dates in "courier" (label mode 3), everything else in "tahoma".
    void SetFontName(const char* name) { fontName_ = name; }
    int ItemHeight() const;

  private:
    const MainSession& session_;
    int baseHeight_;
    const char* fontName_ = "tahoma";
};

} // namespace qor::app
