#include "workbench/views/ResultsGrid.hpp"

#include <algorithm>

namespace TavWorkbench {

namespace {

const std::string kEmpty;

} // namespace

void ResultsGrid::SetRows(int rows) {
    rows = std::max(rows, 1);
    if (rows == m_rows) return;
    if (m_observer != nullptr) m_observer->AboutToResize(rows, m_cols);
    for (auto& column : m_columns)
        column.resize(static_cast<std::size_t>(rows));
    m_rows = rows;
    if (m_observer != nullptr) m_observer->Resized();
    m_row = std::min(m_row, m_rows - 1);
    m_rowSel = std::min(m_rowSel, m_rows - 1);
}

void ResultsGrid::SetCols(int cols) {
    cols = std::max(cols, 1);
    if (cols == m_cols) return;
    if (m_observer != nullptr) m_observer->AboutToResize(m_rows, cols);
    m_columns.resize(static_cast<std::size_t>(cols),
                     std::vector<std::string>(static_cast<std::size_t>(m_rows)));
    m_cols = cols;
    if (m_observer != nullptr) m_observer->Resized();
    m_col = std::min(m_col, m_cols - 1);
    m_colSel = std::min(m_colSel, m_cols - 1);
}

const std::string& ResultsGrid::TextMatrix(int row, int col) const {
    if (row < 0 || col < 0 || row >= m_rows || col >= m_cols) return kEmpty;
    return m_columns[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
}

void ResultsGrid::SetTextMatrix(int row, int col, std::string text) {
    if (row < 0 || col < 0 || row >= m_rows || col >= m_cols) return;
    Cell(row, col) = std::move(text);
    Touch(row, col);
}

void ResultsGrid::Touch(int row, int col) {
    if (m_updating > 0) {
        if (m_top > m_bottom) {
            m_top = m_bottom = row;
            m_left = m_right = col;
        } else {
            m_top = std::min(m_top, row);
            m_bottom = std::max(m_bottom, row);
            m_left = std::min(m_left, col);
            m_right = std::max(m_right, col);
        }
        return;
    }
    if (m_observer != nullptr) m_observer->CellsChanged(row, col, row, col);
}

void ResultsGrid::BeginUpdate() {
    if (m_updating++ == 0) {
        m_top = 1;
        m_bottom = 0;
    }
}

void ResultsGrid::EndUpdate() {
    if (m_updating == 0 || --m_updating > 0) return;
    if (m_top <= m_bottom && m_observer != nullptr)
        m_observer->CellsChanged(m_top, m_left, m_bottom, m_right);
}

void ResultsGrid::SetCell(int row, int col) {
    m_row = m_rowSel = std::clamp(row, 0, m_rows - 1);
    m_col = m_colSel = std::clamp(col, 0, m_cols - 1);
}

void ResultsGrid::SetSelectionEnd(int row, int col) {
    m_rowSel = std::clamp(row, 0, m_rows - 1);
    m_colSel = std::clamp(col, 0, m_cols - 1);
}

} // namespace TavWorkbench
