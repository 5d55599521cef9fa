#include "workbench/ui/ResultsGridModel.hpp"

namespace TavWorkbench::Ui {

ResultsGridModel::ResultsGridModel(ResultsGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid) {
    m_grid.SetObserver(this);
}

ResultsGridModel::~ResultsGridModel() {
    m_grid.SetObserver(nullptr);
}

int ResultsGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid.Rows() - 1;
}

int ResultsGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid.Cols() - 1;
}

QVariant ResultsGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    return QString::fromStdString(m_grid.TextMatrix(index.row() + 1, index.column() + 1));
}

QVariant ResultsGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return QString::fromStdString(m_grid.TextMatrix(0, section + 1));
    return QString::fromStdString(m_grid.TextMatrix(section + 1, 0));
}

void ResultsGridModel::AboutToResize(int rows, int cols) {
    const int oldRows = m_grid.Rows() - 1;
    const int oldCols = m_grid.Cols() - 1;
    const int newRows = rows - 1;
    const int newCols = cols - 1;
    if (newRows > oldRows) {
        beginInsertRows({}, oldRows, newRows - 1);
        m_pending = Pending::InsertRows;
    } else if (newRows < oldRows) {
        beginRemoveRows({}, newRows, oldRows - 1);
        m_pending = Pending::RemoveRows;
    } else if (newCols > oldCols) {
        beginInsertColumns({}, oldCols, newCols - 1);
        m_pending = Pending::InsertCols;
    } else if (newCols < oldCols) {
        beginRemoveColumns({}, newCols, oldCols - 1);
        m_pending = Pending::RemoveCols;
    }
}

void ResultsGridModel::Resized() {
    switch (m_pending) {
    case Pending::InsertRows:
        endInsertRows();
        break;
    case Pending::RemoveRows:
        endRemoveRows();
        break;
    case Pending::InsertCols:
        endInsertColumns();
        break;
    case Pending::RemoveCols:
        endRemoveColumns();
        break;
    case Pending::None:
        break;
    }
    m_pending = Pending::None;
}

void ResultsGridModel::CellsChanged(int top, int left, int bottom, int right) {
    if (top == 0 && bottom >= 0)
        emit headerDataChanged(Qt::Horizontal, std::max(left - 1, 0), std::max(right - 1, 0));
    if (left == 0 && right >= 0)
        emit headerDataChanged(Qt::Vertical, std::max(top - 1, 0), std::max(bottom - 1, 0));
    const int r0 = std::max(top, 1) - 1;
    const int c0 = std::max(left, 1) - 1;
    const int r1 = bottom - 1;
    const int c1 = right - 1;
    if (r1 >= r0 && c1 >= c0) emit dataChanged(index(r0, c0), index(r1, c1));
}

} // namespace TavWorkbench::Ui
