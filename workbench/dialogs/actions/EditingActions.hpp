#pragma once
// The operations of the problem tree that change the model: the per-element actions (clone,
// edit, delete), the add commands and the deletion of unused domains. Each runs its dialog
// through the host, checks what it must, asks what it must, and changes the model's arrays (whose
// observers, the tree among them, follow). Nothing used by another element is deleted: the
// user is told what uses it.

#include "workbench/dialogs/DialogHost.hpp"
#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"
#include "workbench/model/CAvConArray.hpp"

#include <string>

namespace TavDialogs {

// The kinds of tree items that stand for model elements.
enum class ElementKind { None = 0, Variable = 1, Domain = 2, Constraint = 3, Constant = 4, Optimisation = 5 };

struct ActionOutcome {
    // The model changed.
    bool changed = false;
    // The document counts as modified.
    bool modified = false;
    // The kind of element that changed; Domain also after Add Variable (a new domain may have
    // been made from the variable dialog).
    ElementKind kind = ElementKind::None;
    // The element's index after the action (-1 after a delete or for several elements).
    int index = -1;
};

class EditingActions {
public:
    EditingActions(TavWorkbench::TavModel& model, const TavWorkbench::CKeyWords& keyWords,
                   const TavWorkbench::CAvConArray& templates, DialogHost& host, DialogMessages& messages)
        : m_model(model), m_keyWords(keyWords), m_templates(templates), m_host(host), m_messages(messages) {}

    // --- Per-element actions (nothing for an index outside its array) ---------------------------
    ActionOutcome CloneVariable(int index);
    // Warns "<id> in use by a Constraint, check Constraint after any change" first when used.
    ActionOutcome EditVariable(int index);
    // "Cannot Delete - <id> in use by a Constraint" when used; else asks "Delete Variable: <id>".
    ActionOutcome DeleteVariable(int index);
    // "System Domain - Can't Edit" for a predefined domain; else the dialog of its type.
    ActionOutcome EditDomain(int index);
    // "System Domain - Can't Delete"; "Cannot delete, in Use by\n" and each user; else asks
    // "Delete Domain: <id>".
    ActionOutcome DeleteDomain(int index);
    ActionOutcome EditConstraint(int index);
    // Asks "Delete Constraint :<id>".
    ActionOutcome DeleteConstraint(int index);
    ActionOutcome EditConstant(int index);
    // "Cannot Delete - <id> in use by\n" and each user; else asks "Delete Constant : <id>".
    ActionOutcome DeleteConstant(int index);
    // Asks "Remove ALL Optimisation" (caption "Tav").
    ActionOutcome RemoveOptimisation();

    // --- Add commands ------------------------------------------------------------------------
    ActionOutcome AddVariable();
    ActionOutcome AddDomain();
    ActionOutcome AddIntegerConstant();
    ActionOutcome AddSetListConstant();
    ActionOutcome AddConstraint();
    ActionOutcome AddOptimisation();
    // Removes every domain, from the last to the first, that is not Boolean and that nothing
    // uses, then reports "<n> Domain(s) were deleted".
    ActionOutcome DeleteUnusedDomains();

    // --- Enabling rules ------------------------------------------------------------------------
    // Add Constraint and Add Optimisation need variables.
    static bool CanAddConstraint(const TavWorkbench::TavModel& model) { return !model.variables.IsEmpty(); }
    static bool CanRemoveOptimisation(const TavWorkbench::TavModel& model) {
        return !model.optimisation.empty();
    }

private:
    ProblemRefs Refs() const { return ProblemRefs::Of(m_model, m_keyWords); }

    TavWorkbench::TavModel& m_model;
    const TavWorkbench::CKeyWords& m_keyWords;
    const TavWorkbench::CAvConArray& m_templates;
    DialogHost& m_host;
    DialogMessages& m_messages;
};

} // namespace TavDialogs
