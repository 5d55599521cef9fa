#pragma once
// The results grid as a Qt table model: the grid's row 0 and column 0 (solution headings and
// variable names) are the header sections, the body cells are the model's cells. Follows the
// grid's notifications. Read-only.

#include "workbench/views/ResultsGrid.hpp"

#include <QAbstractTableModel>

namespace TavWorkbench::Ui {

class ResultsGridModel : public QAbstractTableModel, private ResultsGrid::Observer {
    Q_OBJECT
public:
    explicit ResultsGridModel(ResultsGrid& grid, QObject* parent = nullptr);
    ~ResultsGridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void AboutToResize(int rows, int cols) override;
    void Resized() override;
    void CellsChanged(int top, int left, int bottom, int right) override;

    enum class Pending { None, InsertRows, RemoveRows, InsertCols, RemoveCols };

    ResultsGrid& m_grid;
    Pending m_pending = Pending::None;
};

} // namespace TavWorkbench::Ui
