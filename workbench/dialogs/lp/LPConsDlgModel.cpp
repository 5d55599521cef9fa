#include "workbench/dialogs/lp/LPConsDlgModel.hpp"

namespace TavDialogs {

const std::vector<std::string>& LPConsDlgModel::Operators() {
    static const std::vector<std::string> operators = {">=", "<=", "="};
    return operators;
}

LPConsDlgModel::LPConsDlgModel(int variables) : CoefficientColumn(variables, {}) {}

LPConsDlgModel::LPConsDlgModel(int variables, const CConDetails& existing)
    : CoefficientColumn(variables, existing.coefficients), m_editing(true) {
    rhsText = existing.rhs;
    for (std::size_t i = 0; i < Operators().size(); ++i)
        if (Operators()[i] == existing.op) operatorIndex = static_cast<int>(i);
}

bool LPConsDlgModel::OnOK(DialogMessages& messages) {
    m_focus = Field::Grid;
    if (!CheckCells(messages)) return false;
    if (operatorIndex < 0 || operatorIndex >= static_cast<int>(Operators().size())) {
        m_focus = Field::Operator;
        messages.ShowBox("Please select from list", {});
        return false;
    }
    m_result = {cells, Operators()[static_cast<std::size_t>(operatorIndex)], rhsText};
    return true;
}

} // namespace TavDialogs
