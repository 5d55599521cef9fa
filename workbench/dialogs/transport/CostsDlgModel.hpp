#pragma once
// The cost grid of a transportation problem (warehouses by customers) or of an assignment
// problem (candidates by posts). Dummy rows and columns, added to balance the problem, cost 0.

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/transport/CStringTable.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class CostsDlgModel {
public:
    // Transportation: `rows` x `cols` with the dummies included; a dummy row or column is the
    // last. OK fills `table` (the caller's, already of that size), which must outlive the model.
    static CostsDlgModel Transport(CStringTable& table, int rows, int cols, bool dummyRow, bool dummyColumn);
    // Assignment: the last `dummyRows` rows and `dummyCols` columns are dummies.
    static CostsDlgModel Assignment(CStringTable& table, int rows, int cols, int dummyRows, int dummyCols);

    std::string Title() const { return m_title; }
    int Rows() const { return static_cast<int>(m_rowLabels.size()); }
    int Cols() const { return static_cast<int>(m_colHeaders.size()); }
    // Rows and columns count from 1 as in the grid (row 0 and column 0 hold the labels).
    const std::string& RowLabel(int row) const { return m_rowLabels.at(static_cast<std::size_t>(row - 1)); }
    const std::string& ColHeader(int col) const { return m_colHeaders.at(static_cast<std::size_t>(col - 1)); }
    // How much wider than usual a column is drawn (column 0 is the labels).
    double WidthFactor(int col) const { return m_widths.at(static_cast<std::size_t>(col)); }
    const std::string& Cell(int row, int col) const;
    void SetCell(int row, int col, const std::string& text);

    int EditorRow() const { return m_editorRow; }
    int EditorCol() const { return m_editorCol; }
    // A click or entering a cell; nothing outside the body.
    void OpenEditor(int row, int col);
    // Tab: the next column, from the last column to column 1 of the next row, from the last row to row 1.
    void MoveEditorNext();
    // Down and Up: the same column, not past the last row nor above row 1.
    void MoveEditorDown();
    void MoveEditorUp();

    // Every cell a number, else "Non-numeric Data in box <n>" (n counts the cells row by row
    // from 1) with the editor on that cell, and nothing stored. Then every cell's text goes into
    // the caller's table at (row - 1, column - 1).
    bool OnOK(DialogMessages& messages);

private:
    CostsDlgModel(CStringTable& table, int rows, int cols);

    CStringTable* m_table;
    std::string m_title = "Enter Costs between each Source and each Destination";
    std::vector<std::string> m_rowLabels;
    std::vector<std::string> m_colHeaders;
    std::vector<double> m_widths;
    std::vector<std::vector<std::string>> m_cells;
    int m_editorRow = 1;
    int m_editorCol = 1;
};

} // namespace TavDialogs
