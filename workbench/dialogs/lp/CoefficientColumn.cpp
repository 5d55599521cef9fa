#include "workbench/dialogs/lp/CoefficientColumn.hpp"

#include "workbench/dialogs/lp/LPText.hpp"

namespace TavDialogs {

CoefficientColumn::CoefficientColumn(int variables, const std::vector<std::string>& presets) {
    for (int i = 0; i < variables; ++i)
        cells.push_back(i < static_cast<int>(presets.size()) ? presets[static_cast<std::size_t>(i)] : "0");
}

void CoefficientColumn::MoveEditorTo(int row) {
    if (row >= 1 && row <= Variables()) m_editorRow = row;
}

bool CoefficientColumn::CheckCells(DialogMessages& messages) {
    for (int row = 1; row <= Variables(); ++row) {
        if (!IsNumericCell(cells[static_cast<std::size_t>(row - 1)])) {
            messages.ShowBox(NonNumericMessage(row), {});
            m_editorRow = row;
            return false;
        }
    }
    return true;
}

} // namespace TavDialogs
