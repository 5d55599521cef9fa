#include "workbench/dialogs/templates/GridTotalDlgModel.hpp"

#include "workbench/dialogs/NumberFields.hpp"

namespace TavDialogs {

bool GridTotalDlgModel::OnOK(DialogMessages& messages) {
    unsigned from = 0, to = 0;
    m_focus = Field::FromRow;
    if (!ReadUIntField(fromText, from, messages) || !CheckIntRange(from, m_lower, m_upper, messages))
        return false;
    m_focus = Field::ToRow;
    if (!ReadUIntField(toText, to, messages) || !CheckIntRange(to, m_lower, m_upper, messages)) return false;
    m_from = static_cast<int>(from);
    m_to = static_cast<int>(to);
    return true;
}

} // namespace TavDialogs
