#pragma once
// The owner-drawn result grid (tablo1, tablo2): a table view over a core grid whose every cell,
// title and row number is painted from the core's cell style decision.

#include "mainwindow/GridModel.h"
#include "mainwindow/GridTable.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

namespace qor {
class MainSession;
}

namespace qor::app {

class GridView;

// Body cells.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    GridDelegate(const MainSession& session, const GridTable& grid, QObject* parent)
        : QStyledItemDelegate(parent), session_(session), grid_(grid) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    const MainSession& session_;
    const GridTable& grid_;
};

// The title row (horizontal) and the row-number column (vertical): the grid's fixed cells.
class GridHeader : public QHeaderView {
    Q_OBJECT
  public:
    GridHeader(Qt::Orientation orientation, GridView& view);
    // The grid fixes the title row's height and the number column's width, so the table takes
    // those and not a hint: measuring every section's text for one would be wasted.
    QSize sizeHint() const override { return minimumSize(); }

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    GridView& view_;
};

class GridView : public QTableView {
    Q_OBJECT
  public:
    GridView(const MainSession& session, GridTable& grid, QWidget* parent = nullptr);

    GridTable& Grid() { return grid_; }
    const GridTable& Grid() const { return grid_; }
    const MainSession& Session() const { return session_; }

    // The grid was rebuilt: columns, widths, rows, heights, then the current row.
    void Reload();
    // Row heights changed (the filter): hidden rows follow.
    void ApplyRowHeights();
    // Selects the grid's current row and scrolls its first visible body row to TopRow, without
    // reporting a selection.
    void ShowCurrentRow();
    // The last visible column is shown wide enough for the table to reach the view's right
    // edge (a table wider than the view keeps its widths).
    void FitLastColumn();
    // Body rows that fit into the view.
    int VisibleRowCount() const;
    // Rectangle of grid cell (col, row) in this widget's coordinates; row 0 is the title row,
    // column 0 the row-number column. Empty when the cell is hidden or scrolled out.
    QRect CellRect(int col, int row) const;
    // Left edge of the title cell of grid column col, in the coordinates of the view's parent.
    int TitleCellLeftInParent(int col) const;

    // The corner above the row numbers is drawn in this colour, without a border (a style
    // sheet would do the same, but makes every part of the table slower to set up and draw).
    void SetCornerColour(const QColor& colour);

    // A mouse press on a cell (col/row -1 outside the cells) from the body or a header.
    void ReportPress(int col, int row, Qt::MouseButton button, bool ctrl, QPoint globalPos);

  signals:
    void cellPressed(qor::app::GridView* view, int col, int row, Qt::MouseButton button, bool ctrl,
                     QPoint globalPos);
    void cellDoubleClicked(qor::app::GridView* view);
    void cellSelected(qor::app::GridView* view, int col, int row);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const MainSession& session_;
    GridTable& grid_;
    GridModel model_;
    GridHeader* titles_;
    GridHeader* numbers_;
    // Set while the program itself moves the current row.
    bool programmatic_ = false;
    bool fitting_ = false;
    QWidget* corner_ = nullptr;
    QColor cornerColour_;
};

} // namespace qor::app
