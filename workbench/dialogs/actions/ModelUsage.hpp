#pragma once
// Which elements of a problem use an identifier: constraints (by the ids the constraint
// builder recorded or by their text), the optimisation target, variables (their domain or size
// constant), integer domains (their list or bound constants) and constants (their value text).
// Deleting an element that something uses would leave a problem that no longer parses.

#include "workbench/model/TavModel.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

struct ElementUse {
    // "Constraint", "Optimisation", "Variable", "Domain" or "Constant".
    std::string kind;
    // The user's id ("Optimisation" for the target).
    std::string id;
};

// Every user of `id`, in the order constraints, optimisation, variables, domains, constants.
std::vector<ElementUse> FindUsers(const TavWorkbench::TavModel& model, const std::string& id);

// True when `text` holds `id` as a whole identifier (ignoring case), outside string literals.
bool TextMentions(const std::string& text, const std::string& id);

} // namespace TavDialogs
