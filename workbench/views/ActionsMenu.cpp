#include "workbench/views/ActionsMenu.hpp"

namespace TavWorkbench {

std::vector<MenuEntry> ActionsMenuFor(ProblemTree::ItemKind kind, const CommandContext& context) {
    std::vector<MenuEntry> entries = {
        {"Add Variable", CommandId::AddVariable},
        {"Add Domain", CommandId::AddDomain},
        {"Add Integer Constant", CommandId::AddIntegerConstant},
        {"Add Set/List Constant ", CommandId::AddSetListConstant},
        {"Add Constraint", CommandId::AddConstraint},
        {"Optimisation", CommandId::AddOptimisation},
    };
    using Kind = ProblemTree::ItemKind;
    std::vector<MenuEntry> own;
    switch (kind) {
    case Kind::Variable:
        own = {{"Clone Variable", CommandId::CloneVariable},
               {"Edit Variable", CommandId::EditVariable},
               {"Delete Variable", CommandId::DeleteVariable}};
        break;
    case Kind::Domain:
        own = {{"Edit Domain", CommandId::EditDomain}, {"Delete Domain", CommandId::DeleteDomain}};
        break;
    case Kind::Constraint:
        own = {{"Edit Constraint", CommandId::EditConstraint},
               {"Delete Constraint", CommandId::DeleteConstraint}};
        break;
    case Kind::Constant:
        own = {{"Edit Constant", CommandId::EditConstant}, {"Delete Constant", CommandId::DeleteConstant}};
        break;
    case Kind::Optimisation:
        if (context.hasOptimisation) own = {{"Remove Optimisation", CommandId::RemoveOptimisation}};
        break;
    case Kind::None:
        break;
    }
    if (!own.empty()) own.front().separatorBefore = true;
    entries.insert(entries.end(), own.begin(), own.end());
    for (MenuEntry& entry : entries)
        entry.enabled = StateOf(entry.command, context).enabled;
    return entries;
}

} // namespace TavWorkbench
