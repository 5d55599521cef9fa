#pragma once
// Dense matrix of doubles held as rows, sized for the simplex tableau: whole rows and columns
// can be appended and removed as the tableau grows and shrinks.

#include "bridges/lp/CVector.hpp"

#include <vector>

namespace LPLib {

// Invariant: every row holds exactly GetColumns() entries.
class CMatrix {
public:
    CMatrix() = default;
    // rows x columns, every entry 0; throws Platform::InternalError on a negative size.
    CMatrix(int rows, int columns);
    virtual ~CMatrix() = default;

    int GetRows() const { return static_cast<int>(m_rows.size()); }
    int GetColumns() const { return m_columns; }

    // Resizes to rows x columns, keeping the entries that still fit; new entries are 0.
    // Throws Platform::InternalError on a negative size.
    void Resize(int rows, int columns);
    // Appends a row of zeros.
    void AppendRow();
    // Appends a copy of row; throws Platform::InternalError unless it has GetColumns() entries.
    void AppendRow(const CVector& row);
    // Drops the last column / row; throws Platform::InternalError when there is none.
    void DropLastColumn();
    void DropLastRow();
    // Removes column / row index, moving the later ones one place towards the front;
    // throws Platform::InternalError when index is out of range.
    void RemoveColumn(int column);
    void RemoveRow(int row);

    // Entry (row, column); throws Platform::InternalError when out of range.
    double& operator()(int row, int column);
    double operator()(int row, int column) const;

    // Unchecked storage of row index (GetColumns() entries), for inner loops; the pointer
    // is valid until the matrix changes shape.
    double* RowData(int row) { return m_rows[checkRow(row)].GetData(); }
    const double* RowData(int row) const { return m_rows[checkRow(row)].GetData(); }

private:
    std::size_t checkRow(int row) const;
    void checkColumn(int column) const;

    std::vector<CVector> m_rows;
    int m_columns = 0;
};

} // namespace LPLib
