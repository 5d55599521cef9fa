#include "workbench/dialogs/constants/ConstDlgModel.hpp"

#include "workbench/Validation.hpp"
#include "workbench/dialogs/constants/ConstantIdCheck.hpp"

namespace TavDialogs {

void ConstDlgModel::Load(const TavWorkbench::CConstant& constant, int index, DialogMode mode) {
    m_mode = mode;
    m_index = index;
    m_editedType = constant.GetType();
    id = constant.GetID();
    setText.clear();
    listText.clear();
    if (m_editedType == TavWorkbench::CConstant::Type::Set)
        setText = constant.GetValue();
    else
        listText = constant.GetValue().substr(0, kListLimit);
}

bool ConstDlgModel::OnOK(DialogMessages& messages) {
    m_focus = Field::ID;
    m_caret = -1;
    if (!CheckConstantID(id, m_index, m_refs, "Please enter a Constant ID", messages)) return false;
    m_focus = Field::Set;
    if (setText.empty() && listText.empty()) {
        messages.ShowBox("Please enter a list, or a set", {});
        return false;
    }
    if (!setText.empty() && !TavWorkbench::CheckListSyntax(setText, true, &m_caret, messages)) return false;
    return true;
}

std::unique_ptr<TavWorkbench::CConstant> ConstDlgModel::MakeConstant() const {
    return std::make_unique<TavWorkbench::CConstant>(id, GetValue(), GetType());
}

} // namespace TavDialogs
