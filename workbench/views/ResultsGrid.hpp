#pragma once
// The cells of the results grid: Rows x Cols texts where row 0 and column 0 hold the headings
// (solution labels, variable names), with an active cell (Row, Col) and the other end of the
// selection (RowSel, ColSel). Shrinking drops the cells outside; growing adds empty ones. An
// observer (the window's table model) hears of every change.

#include <string>
#include <vector>

namespace TavWorkbench {

class ResultsGrid {
public:
    class Observer {
    public:
        virtual ~Observer() = default;
        // Rows or Cols (one at a time) is about to become `rows` x `cols`.
        virtual void AboutToResize(int rows, int cols) = 0;
        virtual void Resized() = 0;
        // The texts of the cells in rows top..bottom and columns left..right changed.
        virtual void CellsChanged(int top, int left, int bottom, int right) = 0;
    };

    // 1 x 1 and empty.
    ResultsGrid() = default;

    void SetObserver(Observer* observer) { m_observer = observer; }

    int Rows() const { return m_rows; }
    int Cols() const { return m_cols; }
    // At least 1 each.
    void SetRows(int rows);
    void SetCols(int cols);

    // The text of a cell; empty outside the grid.
    const std::string& TextMatrix(int row, int col) const;
    // Sets a cell's text; nothing outside the grid.
    void SetTextMatrix(int row, int col, std::string text);
    // Sets many cells quietly; EndUpdate tells the observer once about the rectangle touched.
    void BeginUpdate();
    void EndUpdate();

    int Row() const { return m_row; }
    int Col() const { return m_col; }
    int RowSel() const { return m_rowSel; }
    int ColSel() const { return m_colSel; }
    // The active cell; the selection collapses onto it.
    void SetCell(int row, int col);
    // The other end of the selection.
    void SetSelectionEnd(int row, int col);

private:
    std::string& Cell(int row, int col) {
        return m_columns[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
    }
    void Touch(int row, int col);

    int m_rows = 1;
    int m_cols = 1;
    // By column: solutions are added a column at a time.
    std::vector<std::vector<std::string>> m_columns = {std::vector<std::string>(1)};
    int m_row = 0;
    int m_col = 0;
    int m_rowSel = 0;
    int m_colSel = 0;
    Observer* m_observer = nullptr;
    int m_updating = 0;
    // The rectangle touched during an update (top > bottom: none).
    int m_top = 1, m_left = 1, m_bottom = 0, m_right = 0;
};

} // namespace TavWorkbench
