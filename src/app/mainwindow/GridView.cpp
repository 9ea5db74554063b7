#include "mainwindow/GridView.h"

#include "mainwindow/CellPainter.h"
#include "mainwindow/Fonts.h"
#include "mainwindow/MainSession.h"
#include "mainwindow/QtText.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace qor::app {
namespace {

int TextWidth(const std::string& text, const CellFont& font) {
    return CellTextWidth(text, font);
}

} // namespace

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const CellStyle style = DecideCellStyle(session_.StyleView(grid_), col, row, selected,
                                            ToCellRect(option.rect), TextWidth);
    PaintCell(*painter, option.rect, style, ToQt(grid_.Cell(col, row)), session_.palette);
}

GridHeader::GridHeader(Qt::Orientation orientation, GridView& view)
    : QHeaderView(orientation, &view), view_(view) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setMinimumSectionSize(0);
    setSectionResizeMode(QHeaderView::Fixed);
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const GridTable& grid = view_.Grid();
    const int col = orientation() == Qt::Horizontal ? logicalIndex + 1 : 0;
    const int row = orientation() == Qt::Horizontal ? 0 : logicalIndex + 1;
    const CellStyle style = DecideCellStyle(view_.Session().StyleView(grid), col, row, false,
                                            ToCellRect(rect), TextWidth);
    PaintCell(*painter, rect, style, ToQt(grid.Cell(col, row)), view_.Session().palette);
}

void GridHeader::mousePressEvent(QMouseEvent* event) {
    const int section = logicalIndexAt(event->position().toPoint());
    int col = -1;
    int row = -1;
    if (section >= 0) {
        col = orientation() == Qt::Horizontal ? section + 1 : 0;
        row = orientation() == Qt::Horizontal ? 0 : section + 1;
    }
    view_.ReportPress(col, row, event->button(), (event->modifiers() & Qt::ControlModifier) != 0,
                      event->globalPosition().toPoint());
}

// The fixed cells take no part in selection or resizing.
void GridHeader::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
void GridHeader::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}
void GridHeader::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

GridView::GridView(const MainSession& session, GridTable& grid, QWidget* parent)
    : QTableView(parent), session_(session), grid_(grid), model_(grid, this),
      titles_(new GridHeader(Qt::Horizontal, *this)),
      numbers_(new GridHeader(Qt::Vertical, *this)) {
    setHorizontalHeader(titles_);
    setVerticalHeader(numbers_);
    setModel(&model_);
    setItemDelegate(new GridDelegate(session, grid, this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setFrameShape(QFrame::NoFrame);
    setCornerButtonEnabled(false);
    corner_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (corner_) corner_->installEventFilter(this);
    // The table keeps the application's window colour (below the last row, beside the row
    // numbers) whatever colour the panel it sits on takes.
    QPalette own = palette();
    own.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Window));
    setPalette(own);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setFocusPolicy(Qt::StrongFocus);
    Reload();
}

void GridView::SetCornerColour(const QColor& colour) {
    cornerColour_ = colour;
    if (corner_) corner_->update();
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint && cornerColour_.isValid()) {
        QPainter(corner_).fillRect(corner_->rect(), cornerColour_);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void GridView::Reload() {
    programmatic_ = true;
    model_.Reset();
    const int cols = grid_.ColCount();
    for (int c = 1; c < cols; ++c) {
        const int w = grid_.ColWidth(c);
        setColumnHidden(c - 1, w <= 0);
        if (w > 0) setColumnWidth(c - 1, w);
    }
    numbers_->setDefaultSectionSize(std::max(1, grid_.DefaultRowHeight));
    titles_->setFixedHeight(std::max(1, grid_.RowHeight(0)));
    const int numberWidth = grid_.ColWidth(0);
    numbers_->setVisible(numberWidth > 0);
    numbers_->setFixedWidth(std::max(0, numberWidth));
    ApplyRowHeights();
    FitLastColumn();
    programmatic_ = false;
    ShowCurrentRow();
}

void GridView::FitLastColumn() {
    if (fitting_) return;
    fitting_ = true;
    int last = 0;
    int sum = 0;
    for (int c = 1; c < grid_.ColCount(); ++c) {
        const int w = grid_.ColWidth(c);
        if (w <= 0) continue;
        sum += w;
        last = c;
    }
    if (last > 0) {
        const int room = viewport()->width() - sum;
        const int width = grid_.ColWidth(last) + (room > 0 ? room : 0);
        if (columnWidth(last - 1) != width) setColumnWidth(last - 1, width);
    }
    fitting_ = false;
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FitLastColumn();
}

void GridView::updateGeometries() {
    QTableView::updateGeometries();
    // The vertical scroll bar comes and goes with the rows: the room left changes with it.
    FitLastColumn();
}

void GridView::ApplyRowHeights() {
    const int rows = grid_.RowCount();
    for (int r = 1; r < rows; ++r) {
        const int h = grid_.RowHeight(r);
        const bool hidden = h <= 0;
        if (isRowHidden(r - 1) != hidden) setRowHidden(r - 1, hidden);
        if (!hidden && h != grid_.DefaultRowHeight) setRowHeight(r - 1, h);
    }
}

void GridView::ShowCurrentRow() {
    if (grid_.RowCount() < 2 || grid_.ColCount() < 2) return;
    programmatic_ = true;
    const int row = std::clamp(grid_.Row, 1, grid_.RowCount() - 1);
    int col = 0;
    for (int c = 1; c < grid_.ColCount(); ++c) {
        if (!isColumnHidden(c - 1)) {
            col = c - 1;
            break;
        }
    }
    const QModelIndex index = model_.index(row - 1, col);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    const int top = std::clamp(grid_.TopRow, 1, grid_.RowCount() - 1);
    verticalScrollBar()->setValue(0);
    scrollTo(model_.index(top - 1, col), QAbstractItemView::PositionAtTop);
    programmatic_ = false;
}

int GridView::VisibleRowCount() const {
    const int h = std::max(1, grid_.DefaultRowHeight);
    return std::max(1, viewport()->height() / h);
}

QRect GridView::CellRect(int col, int row) const {
    if (col < 0 || row < 0 || col >= grid_.ColCount() || row >= grid_.RowCount()) return {};
    const QPoint vp = viewport()->pos();
    int x = 0;
    int w = 0;
    if (col == 0) {
        x = numbers_->pos().x();
        w = numbers_->width();
    } else {
        if (isColumnHidden(col - 1)) return {};
        x = vp.x() + columnViewportPosition(col - 1);
        w = columnWidth(col - 1);
    }
    int y = 0;
    int h = 0;
    if (row == 0) {
        y = titles_->pos().y();
        h = titles_->height();
    } else {
        if (isRowHidden(row - 1)) return {};
        y = vp.y() + rowViewportPosition(row - 1);
        h = rowHeight(row - 1);
    }
    return QRect(x, y, w, h);
}

int GridView::TitleCellLeftInParent(int col) const {
    const QRect r = CellRect(col, 0);
    return pos().x() + r.x();
}

void GridView::ReportPress(int col, int row, Qt::MouseButton button, bool ctrl, QPoint globalPos) {
    emit cellPressed(this, col, row, button, ctrl, globalPos);
}

void GridView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    int col = -1;
    int row = -1;
    if (index.isValid()) {
        col = index.column() + 1;
        row = index.row() + 1;
    }
    // Only the left button moves the current row; a right click opens a popup on the row
    // under the mouse without selecting it.
    if (event->button() == Qt::LeftButton && index.isValid()) {
        setFocus(Qt::MouseFocusReason);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    }
    ReportPress(col, row, event->button(), (event->modifiers() & Qt::ControlModifier) != 0,
                event->globalPosition().toPoint());
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit cellDoubleClicked(this);
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (programmatic_ || !current.isValid()) return;
    emit cellSelected(this, current.column() + 1, current.row() + 1);
}

} // namespace qor::app
