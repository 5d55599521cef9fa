#include "workbench/dialogs/lp/OptimDlgModel.hpp"

namespace TavDialogs {

OptimDlgModel::OptimDlgModel(int variables, const std::vector<std::string>& presets, int chosen)
    : CoefficientColumn(variables, presets), option(chosen) {}

bool OptimDlgModel::OnOK(DialogMessages& messages) {
    m_focus = Field::Grid;
    if (!CheckCells(messages)) return false;
    if (option != kMaximize && option != kMinimize) {
        m_focus = Field::Maximize;
        messages.ShowBox("Please select an Optimize Option", {});
        return false;
    }
    m_result = cells;
    return true;
}

} // namespace TavDialogs
