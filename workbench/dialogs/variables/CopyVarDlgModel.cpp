#include "workbench/dialogs/variables/CopyVarDlgModel.hpp"

namespace TavDialogs {

bool CopyVarDlgModel::OnOK(DialogMessages& messages) const {
    if (newID.empty()) {
        messages.ShowBox("Please enter a new ID", {});
        return false;
    }
    if (m_variables.IsVariableID(newID)) {
        messages.ShowBox("Please Change Name - it is already used", {});
        return false;
    }
    return true;
}

} // namespace TavDialogs
