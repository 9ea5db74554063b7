#pragma once
// A Qt table model over one core grid (tablo1 or tablo2): body rows and columns of the grid;
// the title row and the row-number column are the view's headers.

#include "mainwindow/GridTable.h"

#include <QAbstractTableModel>

namespace qor::app {

// Model row r is grid row r + 1, model column c is grid column c + 1.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GridModel(const GridTable& grid, QObject* parent = nullptr)
        : QAbstractTableModel(parent), grid_(grid) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The grid was rebuilt: every row and column may have changed.
    void Reset();
    const GridTable& Grid() const { return grid_; }

  private:
    const GridTable& grid_;
};

} // namespace qor::app
