#include "workbench/dialogs/solver/TabuDlgModel.hpp"

#include "workbench/Validation.hpp"
#include "workbench/dialogs/NumberFields.hpp"

using namespace TavBridges;

namespace TavDialogs {

TabuDlgModel::TabuDlgModel(AlgParams& params) : m_params(params) {
    minimumText = std::to_string(static_cast<unsigned>(params.GetParameter(1)));
    maximumText = std::to_string(static_cast<unsigned>(params.GetParameter(2)));
    approximate = params.GetParameter(3) != 0;
    deltaUpdate = params.GetParameter(4) != 0;
    scalingText = std::to_string(static_cast<unsigned>(params.GetParameter(5)));
}

bool TabuDlgModel::OnOK(DialogMessages& messages) {
    unsigned minimum = 0;
    unsigned maximum = 0;
    unsigned scaling = 0;
    m_focus = Field::MinimumPeriod;
    if (!ReadUIntField(minimumText, minimum, messages)) return false;
    if (!TavWorkbench::DDV_MinUInt(minimum, 1, messages)) return false;
    if (!CheckIntRange(minimum, 1, 0x7FFFFFFF, messages)) return false;
    m_focus = Field::MaximumPeriod;
    if (!ReadUIntField(maximumText, maximum, messages)) return false;
    if (!CheckIntRange(maximum, 0, 0x7FFFFFFF, messages)) return false;
    m_focus = Field::Scaling;
    if (!ReadUIntField(scalingText, scaling, messages) || !CheckIntRange(scaling, 0, 9999, messages))
        return false;
    m_params.SetParameter(1, static_cast<int>(minimum));
    m_params.SetParameter(2, static_cast<int>(maximum));
    m_params.SetParameter(3, approximate ? 1 : 0);
    m_params.SetParameter(4, deltaUpdate ? 1 : 0);
    m_params.SetParameter(5, static_cast<int>(scaling));
    m_focus = Field::None;
    return true;
}

} // namespace TavDialogs
