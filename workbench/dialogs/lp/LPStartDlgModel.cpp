#include "workbench/dialogs/lp/LPStartDlgModel.hpp"

#include "workbench/dialogs/NumberFields.hpp"

namespace TavDialogs {

bool LPStartDlgModel::OnOK(DialogMessages& messages) {
    unsigned value = 0;
    if (!ReadUIntField(variablesText, value, messages)) return false;
    if (!CheckIntRange(value, 1, kMaxVariables, messages)) return false;
    m_variables = static_cast<int>(value);
    return true;
}

} // namespace TavDialogs
