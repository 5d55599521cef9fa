#include "workbench/dialogs/solver/TimeDlgModel.hpp"

#include "workbench/dialogs/NumberFields.hpp"

namespace TavDialogs {

void TimeDlgModel::OnUseDefault() {
    minutesText = std::to_string(5);
}

bool TimeDlgModel::OnOK(DialogMessages& messages) {
    unsigned value = 0;
    if (!ReadUIntField(minutesText, value, messages) || !CheckIntRange(value, 1, 30, messages)) return false;
    m_minutes = static_cast<int>(value);
    return true;
}

} // namespace TavDialogs
