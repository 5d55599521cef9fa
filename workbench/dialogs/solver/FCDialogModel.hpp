#pragma once
// The complete search's parameters: variable ordering (id 1: natural 0, random 1, smallest
// domain 2), thrashing threshold (id 2, 0 turns it off) and backtracking type (id 3: standard 0,
// constraint directed 1).

#include "bridges/AlgParams.hpp"
#include "workbench/dialogs/DialogMessages.hpp"

#include <string>

namespace TavDialogs {

class FCDialogModel {
public:
    enum class Field { None, Ordering, Threshold, Backtracking };

    // Shows the parameters of `params`, or 1, 1, 1 when `defaulted` (none could be loaded).
    FCDialogModel(TavBridges::AlgParams& params, bool defaulted);

    // A radio value outside its group shows no button chosen (-1).
    int ordering = -1;
    std::string thresholdText;
    int backtracking = -1;

    // Constraint directed backtracking labels the variables in their natural order whatever
    // ordering is chosen: the ordering then has no effect (it is kept for standard backtracking).
    bool OrderingApplies() const { return backtracking != 1; }
    // What the dialog says beside the ordering while it has no effect; empty otherwise.
    std::string OrderingNote() const;

    // Reads and checks the fields, then writes ids 1 to 3.
    bool OnOK(DialogMessages& messages);
    Field GetFocus() const { return m_focus; }

private:
    TavBridges::AlgParams& m_params;
    Field m_focus = Field::None;
};

} // namespace TavDialogs
