#include "workbench/dialogs/solver/TimeDlgModel.hpp"

#include "workbench/dialogs/DataExchange.hpp"

namespace TavDialogs {

bool TimeDlgModel::OnOK(DialogMessages& messages) {
    unsigned value = 0;
    if (!ReadUIntField(minutesText, value, messages) || !CheckIntRange(value, 1, 30, messages)) return false;
    m_minutes = static_cast<int>(value);
    return true;
}

} // namespace TavDialogs
