#include "workbench/dialogs/solver/CountDlgModel.hpp"

#include "workbench/Validation.hpp"
#include "workbench/dialogs/NumberFields.hpp"

namespace TavDialogs {

bool CountDlgModel::OnOK(DialogMessages& messages) {
    unsigned value = 0;
    if (!ReadUIntField(countText, value, messages)) return false;
    if (!TavWorkbench::DDV_MinUInt(value, 1, messages)) return false;
    if (!CheckIntRange(value, 1, 0x7FFFFFFF, messages)) return false;
    m_count = static_cast<int>(value);
    return true;
}

} // namespace TavDialogs
