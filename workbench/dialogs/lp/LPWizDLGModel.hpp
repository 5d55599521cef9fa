#pragma once
// The linear-programming wizard's main dialog: a list of constraints (New, Edit, Delete, each
// through the constraint dialog) and the objective (Set Optimisation, through the optimisation
// dialog). Finish, enabled once there is a constraint and an objective, hands back one
// modelling-language line per constraint and the objective line.

#include "workbench/dialogs/WizardHost.hpp"
#include "workbench/dialogs/lp/CConDetails.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class LPWizDLGModel {
public:
    static constexpr const char* kTitle = "LP Problem Wizard";

    explicit LPWizDLGModel(int variables) : m_variables(variables) {}

    int Variables() const { return m_variables; }
    const std::vector<CConDetails>& Constraints() const { return m_constraints; }
    // The list's entries: one display text per constraint, in order.
    std::vector<std::string> ListTexts() const;
    // The objective's display text; empty until one is set.
    std::string ObjectiveText() const;
    const std::vector<std::string>& ObjectiveCoefficients() const { return m_objective; }
    int Direction() const { return m_direction; }

    // The list's selection (-1 none): Delete and Edit are enabled exactly while there is one.
    void Select(int index);
    int Selected() const { return m_selected; }
    bool DeleteEnabled() const { return m_deleteEnabled; }
    bool EditEnabled() const { return m_editEnabled; }
    // At least one constraint and an objective.
    bool FinishEnabled() const { return !m_constraints.empty() && !m_objective.empty(); }

    // "New": the constraint dialog; OK appends its constraint.
    void New(WizardHost& host);
    // "Edit": the constraint dialog on the selected constraint; OK replaces it.
    void Edit(WizardHost& host);
    // "Delete": removes the selected constraint.
    void Delete();
    // "Set Optimisation": the optimisation dialog with the current coefficients and direction.
    void SetOptimisation(WizardHost& host);

    // "Finish": the model text of each constraint and of the objective.
    std::vector<std::string> ConstraintLines() const;
    std::string ObjectiveLine() const;

private:
    bool HasSelection() const {
        return m_selected >= 0 && m_selected < static_cast<int>(m_constraints.size());
    }

    int m_variables;
    std::vector<CConDetails> m_constraints;
    std::vector<std::string> m_objective;
    int m_direction = -1;
    int m_selected = -1;
    bool m_deleteEnabled = false;
    bool m_editEnabled = false;
};

} // namespace TavDialogs
