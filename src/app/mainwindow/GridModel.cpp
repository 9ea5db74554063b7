#include "mainwindow/GridModel.h"

#include "mainwindow/QtText.h"

namespace qor::app {

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.RowCount() - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.ColCount() - 1;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return ToQt(grid_.Cell(index.column() + 1, index.row() + 1));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return ToQt(grid_.Title(section + 1));
    return ToQt(grid_.Cell(0, section + 1));
}

void GridModel::Reset() {
    beginResetModel();
    endResetModel();
}

} // namespace qor::app
