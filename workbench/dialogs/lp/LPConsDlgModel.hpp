#pragma once
// One constraint of a linear programme: a coefficient per variable in a grid, an operator
// (">=", "<=", "=") and a right-hand side taken as typed.

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/lp/CConDetails.hpp"
#include "workbench/dialogs/lp/CoefficientColumn.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class LPConsDlgModel : public CoefficientColumn {
public:
    static constexpr const char* kTitle = "LP Constraint";
    enum class Field { Grid, Operator };

    // ">=", "<=", "=" in the combo box's order.
    static const std::vector<std::string>& Operators();

    // A new constraint: every coefficient "0", no operator, an empty right-hand side.
    explicit LPConsDlgModel(int variables);
    // An existing constraint to edit.
    LPConsDlgModel(int variables, const CConDetails& existing);

    bool IsEditing() const { return m_editing; }

    // Index into Operators(), -1 for none.
    int operatorIndex = -1;
    std::string rhsText;

    // Every coefficient a number ("Non-numeric Data in box <row>", the editor on that row), then
    // an operator ("Please select from list", the focus on the combo box).
    bool OnOK(DialogMessages& messages);
    Field Focus() const { return m_focus; }
    const CConDetails& GetResult() const { return m_result; }

private:
    bool m_editing = false;
    Field m_focus = Field::Grid;
    CConDetails m_result;
};

} // namespace TavDialogs
