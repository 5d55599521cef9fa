#include "workbench/dialogs/constants/IntConstModel.hpp"

#include "workbench/dialogs/NumberFields.hpp"
#include "workbench/dialogs/constants/ConstantIdCheck.hpp"

namespace TavDialogs {

void IntConstModel::Load(const TavWorkbench::CConstant& constant, int index, DialogMode mode) {
    m_mode = mode;
    m_index = index;
    id = constant.GetID();
    valueText = std::to_string(constant.GetIntValue());
}

bool IntConstModel::OnOK(DialogMessages& messages) {
    int value = 0;
    m_focus = Field::Value;
    if (!ReadIntField(valueText, value, messages)) return false;
    m_focus = Field::ID;
    if (!CheckConstantID(id, m_index, m_refs, "An ID is required", messages)) return false;
    m_value = value;
    return true;
}

std::unique_ptr<TavWorkbench::CConstant> IntConstModel::MakeConstant() const {
    return std::make_unique<TavWorkbench::CConstant>(id, m_value);
}

} // namespace TavDialogs
