#include "workbench/dialogs/solver/FCDialogModel.hpp"

#include "workbench/Validation.hpp"
#include "workbench/dialogs/NumberFields.hpp"

using namespace TavBridges;

namespace TavDialogs {

namespace {

int RadioValue(int value, int count) {
    return value >= 0 && value < count ? value : -1;
}

} // namespace

FCDialogModel::FCDialogModel(AlgParams& params, bool defaulted) : m_params(params) {
    ordering = defaulted ? 1 : RadioValue(params.GetParameter(1), 3);
    thresholdText = defaulted ? "1" : std::to_string(static_cast<unsigned>(params.GetParameter(2)));
    backtracking = defaulted ? 1 : RadioValue(params.GetParameter(3), 2);
}

std::string FCDialogModel::OrderingNote() const {
    return OrderingApplies() ? std::string() : "Constraint Directed backtracking runs with Natural Ordering";
}

bool FCDialogModel::OnOK(DialogMessages& messages) {
    // The engine takes no other orderings or backtracking types.
    m_focus = Field::Ordering;
    if (ordering < 0 || ordering > 2) {
        messages.ShowBox("Please select a Variable Ordering Heuristic", {});
        return false;
    }
    unsigned threshold = 0;
    m_focus = Field::Threshold;
    if (!ReadUIntField(thresholdText, threshold, messages)) return false;
    if (!TavWorkbench::DDV_MinUInt(threshold, 0, messages)) return false;
    if (!CheckIntRange(threshold, 0, 0x7FFFFFFF, messages)) return false;
    m_focus = Field::Backtracking;
    if (backtracking < 0 || backtracking > 1) {
        messages.ShowBox("Please select a Backtracking Type", {});
        return false;
    }
    m_params.SetParameter(1, ordering);
    m_params.SetParameter(2, static_cast<int>(threshold));
    m_params.SetParameter(3, backtracking);
    return true;
}

} // namespace TavDialogs
