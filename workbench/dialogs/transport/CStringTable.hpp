#pragma once
// The cost grid of the transportation and assignment problems: cell (i, j) is the cost text of
// source (candidate) i and destination (post) j, as typed.

#include <string>
#include <vector>

namespace TavDialogs {

class CStringTable {
public:
    // `rows` rows (none when below 1) of `cols` empty cells.
    CStringTable(int rows, int cols);

    int Rows() const { return static_cast<int>(m_rows.size()); }
    int Cols() const { return m_cols; }
    // Throws Platform::InternalError outside the table.
    const std::string& Cell(int row, int col) const;
    void SetCell(int row, int col, const std::string& text);

    // "Minimise(c * id[0][0] + c * id[0][1] ... );" over every cell in row order, each cost in the
    // modelling language's form of its number.
    std::string BuildObjectiveText(const std::string& variableID) const;

private:
    int m_cols;
    std::vector<std::vector<std::string>> m_rows;
};

} // namespace TavDialogs
