#include "workbench/dialogs/constants/StringConstDlgModel.hpp"

#include "workbench/dialogs/constants/ConstantIdCheck.hpp"

namespace TavDialogs {

void StringConstDlgModel::Load(const TavWorkbench::CConstant& constant, int index, DialogMode mode) {
    m_mode = mode;
    m_index = index;
    id = constant.GetID();
    entries = TavWorkbench::CConstant::SplitStringList(constant.GetValue());
}

void StringConstDlgModel::OnAddValue(DialogMessages& messages) {
    m_focus = Field::NewValue;
    if (newValue.empty()) return;
    if (newValue.find('"') != std::string::npos) {
        messages.ShowBox("Remove any \" characters", {});
        return;
    }
    entries.push_back(newValue);
    newValue.clear();
}

void StringConstDlgModel::OnRemoveValue(int row) {
    if (row < 0 || row >= static_cast<int>(entries.size())) return;
    entries.erase(entries.begin() + row);
}

void StringConstDlgModel::OnMoveValue(int from, int to) {
    const int count = static_cast<int>(entries.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to) return;
    std::string moved = entries[static_cast<std::size_t>(from)];
    entries.erase(entries.begin() + from);
    entries.insert(entries.begin() + to, std::move(moved));
}

bool StringConstDlgModel::OnOK(DialogMessages& messages) {
    m_focus = Field::ID;
    return CheckConstantID(id, m_index, m_refs, "An ID is required", messages);
}

std::string StringConstDlgModel::GetValue() const {
    return TavWorkbench::CConstant::JoinStringList(entries);
}

std::unique_ptr<TavWorkbench::CConstant> StringConstDlgModel::MakeConstant() const {
    return std::make_unique<TavWorkbench::CConstant>(id, GetValue(),
                                                     TavWorkbench::CConstant::Type::StringList);
}

} // namespace TavDialogs
