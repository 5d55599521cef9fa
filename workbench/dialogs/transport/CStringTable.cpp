#include "workbench/dialogs/transport/CStringTable.hpp"

#include "platform/FatalError.hpp"
#include "workbench/dialogs/lp/LPText.hpp"

namespace TavDialogs {

CStringTable::CStringTable(int rows, int cols) : m_cols(cols < 0 ? 0 : cols) {
    for (int i = 0; i < rows; ++i)
        m_rows.emplace_back(static_cast<std::size_t>(m_cols));
}

const std::string& CStringTable::Cell(int row, int col) const {
    if (row < 0 || col < 0 || row >= Rows() || col >= m_cols)
        throw Platform::InternalError("cost cell out of range");
    return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void CStringTable::SetCell(int row, int col, const std::string& text) {
    if (row < 0 || col < 0 || row >= Rows() || col >= m_cols)
        throw Platform::InternalError("cost cell out of range");
    m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = text;
}

std::string CStringTable::BuildObjectiveText(const std::string& variableID) const {
    std::string text = "Minimise(";
    for (int i = 0; i < Rows(); ++i)
        for (int j = 0; j < m_cols; ++j) {
            if (i > 0 || j > 0) text += " + ";
            text += LanguageNumber(Cell(i, j)) + " * " + variableID + "[" + std::to_string(i) + "][" +
                    std::to_string(j) + "]";
        }
    return text + " );";
}

} // namespace TavDialogs
