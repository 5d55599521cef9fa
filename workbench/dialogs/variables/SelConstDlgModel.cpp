#include "workbench/dialogs/variables/SelConstDlgModel.hpp"

namespace TavDialogs {

SelConstDlgModel::SelConstDlgModel(const TavWorkbench::CConstArray& constants,
                                   TavWorkbench::CConstant::Type wantedType, bool positiveOnly)
    : m_constants(constants), m_wantedType(wantedType) {
    for (int i = 0; i < constants.GetSize(); ++i) {
        const TavWorkbench::CConstant& constant = *constants[i];
        if (constant.GetType() != wantedType) continue;
        if (positiveOnly && wantedType == TavWorkbench::CConstant::Type::Integer &&
            constant.GetIntValue() < 1)
            continue;
        m_entries.push_back({constant.GetID(), i});
    }
}

bool SelConstDlgModel::OnInitDialog(DialogMessages& messages) const {
    if (!m_entries.empty()) return true;
    messages.ShowBox(m_wantedType != TavWorkbench::CConstant::Type::Integer ? "No List Constants Found"
                                                                            : "No Integer Constants Found",
                     {});
    return false;
}

bool SelConstDlgModel::OnOK(DialogMessages& messages) const {
    if (selection >= 0 && selection < static_cast<int>(m_entries.size())) return true;
    messages.ShowBox("Select a Constant or Quit", {});
    return false;
}

std::string SelConstDlgModel::GetChosenID() const {
    if (selection < 0 || selection >= static_cast<int>(m_entries.size())) return {};
    return m_entries[static_cast<std::size_t>(selection)].id;
}

} // namespace TavDialogs
