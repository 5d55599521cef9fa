#include "bridges/lp/CMatrix.hpp"

#include <string>

namespace LPLib {

namespace {
void checkSize(int rows, int columns) {
    if (rows < 0 || columns < 0)
        throw Platform::InternalError("Negative matrix size " + std::to_string(rows) + " x " +
                                      std::to_string(columns));
}
} // namespace

CMatrix::CMatrix(int rows, int columns) {
    resize(rows, columns);
}

void CMatrix::resize(int rows, int columns) {
    checkSize(rows, columns);
    m_rows.resize(static_cast<std::size_t>(rows));
    for (CVector& row : m_rows)
        row.SetSize(columns);
    m_columns = columns;
}

void CMatrix::appendRow() {
    m_rows.emplace_back(m_columns);
}

void CMatrix::appendRow(const CVector& row) {
    if (row.GetSize() != m_columns)
        throw Platform::InternalError("Matrix row of " + std::to_string(row.GetSize()) +
                                      " entries, expected " + std::to_string(m_columns));
    m_rows.push_back(row);
}

void CMatrix::dropLastColumn() {
    if (m_columns == 0) throw Platform::InternalError("Matrix has no column to drop");
    removeColumn(m_columns - 1);
}

void CMatrix::dropLastRow() {
    if (m_rows.empty()) throw Platform::InternalError("Matrix has no row to drop");
    m_rows.pop_back();
}

void CMatrix::removeColumn(int column) {
    checkColumn(column);
    for (CVector& row : m_rows)
        row.RemoveAt(column);
    --m_columns;
}

void CMatrix::removeRow(int row) {
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(checkRow(row)));
}

double& CMatrix::operator()(int row, int column) {
    checkColumn(column);
    return m_rows[checkRow(row)].GetData()[column];
}

double CMatrix::operator()(int row, int column) const {
    checkColumn(column);
    return m_rows[checkRow(row)].GetData()[column];
}

std::size_t CMatrix::checkRow(int row) const {
    if (row < 0 || row >= rows())
        throw Platform::InternalError("Matrix row " + std::to_string(row) + " out of range (rows " +
                                      std::to_string(rows()) + ")");
    return static_cast<std::size_t>(row);
}

void CMatrix::checkColumn(int column) const {
    if (column < 0 || column >= m_columns)
        throw Platform::InternalError("Matrix column " + std::to_string(column) + " out of range (columns " +
                                      std::to_string(m_columns) + ")");
}

} // namespace LPLib
