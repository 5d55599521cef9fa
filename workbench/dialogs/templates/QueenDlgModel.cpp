#include "workbench/dialogs/templates/QueenDlgModel.hpp"

#include "workbench/Validation.hpp"
#include "workbench/dialogs/NumberFields.hpp"

namespace TavDialogs {

bool QueenDlgModel::OnOK(DialogMessages& messages) {
    unsigned value = 0;
    if (!ReadUIntField(queensText, value, messages)) return false;
    if (!TavWorkbench::DDV_MinUInt(value, 1, messages)) return false;
    if (value < 4) {
        messages.ShowBox("There is no solution with\n less than 4 Queens", {});
        return false;
    }
    if (value > 30) {
        messages.ShowBox("Too many Queens", {});
        return false;
    }
    m_queens = static_cast<int>(value);
    return true;
}

} // namespace TavDialogs
