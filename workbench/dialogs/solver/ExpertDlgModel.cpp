#include "workbench/dialogs/solver/ExpertDlgModel.hpp"

#include "workbench/dialogs/NumberFields.hpp"

namespace TavDialogs {

bool ExpertDlgModel::OnOK(DialogMessages& messages) {
    unsigned value = 0;
    if (!ReadUIntField(timeLimitText, value, messages) || !CheckIntRange(value, 1, 999999, messages))
        return false;
    m_timeLimit = static_cast<int>(value);
    return true;
}

} // namespace TavDialogs
