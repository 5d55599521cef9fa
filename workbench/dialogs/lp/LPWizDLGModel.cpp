#include "workbench/dialogs/lp/LPWizDLGModel.hpp"

#include "workbench/dialogs/lp/LPConsDlgModel.hpp"
#include "workbench/dialogs/lp/LPText.hpp"
#include "workbench/dialogs/lp/OptimDlgModel.hpp"

namespace TavDialogs {

std::vector<std::string> LPWizDLGModel::ListTexts() const {
    std::vector<std::string> texts;
    for (const CConDetails& constraint : m_constraints)
        texts.push_back(ConstraintDisplayText(constraint));
    return texts;
}

std::string LPWizDLGModel::ObjectiveText() const {
    if (m_objective.empty()) return {};
    return ObjectiveDisplayText(m_objective, m_direction);
}

void LPWizDLGModel::Select(int index) {
    m_selected = index >= 0 && index < static_cast<int>(m_constraints.size()) ? index : -1;
    m_deleteEnabled = m_editEnabled = m_selected >= 0;
}

void LPWizDLGModel::New(WizardHost& host) {
    LPConsDlgModel dialog(m_variables);
    if (host.Run(dialog) != DialogEnd::Ok) return;
    m_constraints.push_back(dialog.GetResult());
}

void LPWizDLGModel::Edit(WizardHost& host) {
    if (!HasSelection()) {
        m_deleteEnabled = m_editEnabled = true;
        return;
    }
    LPConsDlgModel dialog(m_variables, m_constraints[static_cast<std::size_t>(m_selected)]);
    if (host.Run(dialog) != DialogEnd::Ok) return;
    m_constraints[static_cast<std::size_t>(m_selected)] = dialog.GetResult();
}

void LPWizDLGModel::Delete() {
    if (!HasSelection()) {
        m_deleteEnabled = m_editEnabled = true;
        return;
    }
    m_constraints.erase(m_constraints.begin() + m_selected);
    Select(-1);
}

void LPWizDLGModel::SetOptimisation(WizardHost& host) {
    OptimDlgModel dialog(m_variables, m_objective, m_direction);
    if (host.Run(dialog) != DialogEnd::Ok) return;
    m_objective = dialog.GetCoefficients();
    m_direction = dialog.option;
}

std::vector<std::string> LPWizDLGModel::ConstraintLines() const {
    std::vector<std::string> lines;
    for (const CConDetails& constraint : m_constraints)
        lines.push_back(ConstraintModelText(constraint));
    return lines;
}

std::string LPWizDLGModel::ObjectiveLine() const {
    return ObjectiveModelText(m_objective, m_direction);
}

} // namespace TavDialogs
