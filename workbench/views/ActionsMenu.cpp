#include "workbench/views/ActionsMenu.hpp"

#include "workbench/views/ProblemTree.hpp"

namespace TavWorkbench {

std::vector<MenuEntry> ActionsMenuFor(int kind, const CommandContext& context) {
    std::vector<MenuEntry> entries = {
        {"Add Variable", CommandId::AddVariable},
        {"Add Domain", CommandId::AddDomain},
        {"Add Integer Constant", CommandId::AddIntegerConstant},
        {"Add Set/List Constant ", CommandId::AddSetListConstant},
        {"Add Constraint", CommandId::AddConstraint},
        {"Optimisation", CommandId::AddOptimisation},
    };
    std::vector<MenuEntry> own;
    switch (kind) {
    case ProblemTree::kVariable:
        own = {{"Clone Variable", CommandId::CloneVariable},
               {"Edit Variable", CommandId::EditVariable},
               {"Delete Variable", CommandId::DeleteVariable}};
        break;
    case ProblemTree::kDomain:
        own = {{"Edit Domain", CommandId::EditDomain}, {"Delete Domain", CommandId::DeleteDomain}};
        break;
    case ProblemTree::kConstraint:
        own = {{"Edit Constraint", CommandId::EditConstraint},
               {"Delete Constraint", CommandId::DeleteConstraint}};
        break;
    case ProblemTree::kConstant:
        own = {{"Edit Constant", CommandId::EditConstant}, {"Delete Constant", CommandId::DeleteConstant}};
        break;
    case ProblemTree::kOptimisation:
        if (context.hasOptimisation) own = {{"Remove Optimisation", CommandId::RemoveOptimisation}};
        break;
    default:
        break;
    }
    if (!own.empty()) own.front().separatorBefore = true;
    entries.insert(entries.end(), own.begin(), own.end());
    for (MenuEntry& entry : entries)
        entry.enabled = StateOf(entry.command, context).enabled;
    return entries;
}

} // namespace TavWorkbench
