#include "workbench/dialogs/lp/LPConsDlgModel.hpp"

#include "workbench/dialogs/lp/LPText.hpp"

namespace TavDialogs {

const std::vector<std::string>& LPConsDlgModel::Operators() {
    static const std::vector<std::string> operators = {">=", "<=", "="};
    return operators;
}

LPConsDlgModel::LPConsDlgModel(int variables)
    : cells(static_cast<std::size_t>(variables < 0 ? 0 : variables), "0") {}

LPConsDlgModel::LPConsDlgModel(int variables, const CConDetails& existing) : LPConsDlgModel(variables) {
    m_editing = true;
    for (std::size_t i = 0; i < cells.size() && i < existing.coefficients.size(); ++i)
        cells[i] = existing.coefficients[i];
    rhsText = existing.rhs;
    for (std::size_t i = 0; i < Operators().size(); ++i)
        if (Operators()[i] == existing.op) operatorIndex = static_cast<int>(i);
}

void LPConsDlgModel::MoveEditorTo(int row) {
    if (row >= 1 && row <= Variables()) m_editorRow = row;
}

bool LPConsDlgModel::OnOK(DialogMessages& messages) {
    CConDetails result;
    for (int row = 1; row <= Variables(); ++row) {
        const std::string& text = cells[static_cast<std::size_t>(row - 1)];
        if (!IsNumericCell(text)) {
            m_focus = Field::Grid;
            messages.ShowBox(NonNumericMessage(row), {});
            m_editorRow = row;
            return false;
        }
        result.coefficients.push_back(text);
    }
    if (operatorIndex < 0 || operatorIndex >= static_cast<int>(Operators().size())) {
        m_focus = Field::Operator;
        messages.ShowBox("Please select from list", {});
        return false;
    }
    result.op = Operators()[static_cast<std::size_t>(operatorIndex)];
    result.rhs = rhsText;
    m_result = std::move(result);
    return true;
}

} // namespace TavDialogs
