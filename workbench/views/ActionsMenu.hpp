#pragma once
// The entries of the problem tree's pop-up menu "Actions" for a right-clicked item: the add
// entries, which are always there, then the actions on the item's kind of object.

#include "workbench/views/CommandTable.hpp"
#include "workbench/views/ProblemTree.hpp"

#include <string>
#include <vector>

namespace TavWorkbench {

struct MenuEntry {
    std::string text;
    CommandId command;
    bool enabled = true;
    // A separator stands before this entry.
    bool separatorBefore = false;
};

// The menu for an item of `kind` (an item of kind None gets the add entries only); each entry
// is enabled as the command table says for `context`.
std::vector<MenuEntry> ActionsMenuFor(ProblemTree::ItemKind kind, const CommandContext& context);

} // namespace TavWorkbench
