#pragma once
// Dense matrix of doubles held as rows, sized for the simplex tableau: whole rows and columns
// can be appended and removed as the tableau grows and shrinks.

#include "bridges/lp/CVector.hpp"

#include <vector>

namespace LPLib {

// Invariant: every row holds exactly columns() entries.
class CMatrix {
public:
    CMatrix() = default;
    // rows x columns, every entry 0; throws Platform::InternalError on a negative size.
    CMatrix(int rows, int columns);
    virtual ~CMatrix() = default;

    int rows() const { return static_cast<int>(m_rows.size()); }
    int columns() const { return m_columns; }

    // Resizes to rows x columns, keeping the entries that still fit; new entries are 0.
    // Throws Platform::InternalError on a negative size.
    void resize(int rows, int columns);
    // Appends a row of zeros.
    void appendRow();
    // Appends a copy of row; throws Platform::InternalError unless it has columns() entries.
    void appendRow(const CVector& row);
    // Drops the last column / row; throws Platform::InternalError when there is none.
    void dropLastColumn();
    void dropLastRow();
    // Removes column / row index, moving the later ones one place towards the front;
    // throws Platform::InternalError when index is out of range.
    void removeColumn(int column);
    void removeRow(int row);

    // Entry (row, column); throws Platform::InternalError when out of range.
    double& operator()(int row, int column);
    double operator()(int row, int column) const;

    // Unchecked storage of row index (columns() entries), for inner loops; the pointer
    // is valid until the matrix changes shape.
    double* rowData(int row) { return m_rows[checkRow(row)].GetData(); }
    const double* rowData(int row) const { return m_rows[checkRow(row)].GetData(); }

private:
    std::size_t checkRow(int row) const;
    void checkColumn(int column) const;

    std::vector<CVector> m_rows;
    int m_columns = 0;
};

} // namespace LPLib
