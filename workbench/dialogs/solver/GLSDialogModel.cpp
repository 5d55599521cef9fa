#include "workbench/dialogs/solver/GLSDialogModel.hpp"

#include "workbench/dialogs/NumberFields.hpp"

using namespace TavBridges;

namespace TavDialogs {

GLSDialogModel::GLSDialogModel(AlgParams& params) : m_params(params) {
    lambdaText = std::to_string(params.GetParameter(1));
    approximate = params.GetParameter(2) != 0;
    learning = params.GetParameter(3) != 0;
    deltaUpdate = params.GetParameter(4) != 0;
    seedText = std::to_string(params.GetParameter(5));
    scalingText = std::to_string(static_cast<unsigned>(params.GetParameter(6)));
}

bool GLSDialogModel::OnOK(DialogMessages& messages) {
    int lambda = 0;
    int seed = 0;
    unsigned scaling = 0;
    m_focus = Field::Lambda;
    if (!ReadIntField(lambdaText, lambda, messages) || !CheckIntRange(lambda, 0, 9999, messages))
        return false;
    m_focus = Field::Seed;
    if (!ReadIntField(seedText, seed, messages) || !CheckIntRange(seed, 1, 9999, messages)) return false;
    m_focus = Field::Scaling;
    if (!ReadUIntField(scalingText, scaling, messages) || !CheckIntRange(scaling, 0, 9999, messages))
        return false;
    m_params.SetParameter(1, lambda);
    m_params.SetParameter(2, approximate ? 1 : 0);
    m_params.SetParameter(3, learning ? 1 : 0);
    m_params.SetParameter(4, deltaUpdate ? 1 : 0);
    m_params.SetParameter(5, seed);
    m_params.SetParameter(6, static_cast<int>(scaling));
    return true;
}

} // namespace TavDialogs
