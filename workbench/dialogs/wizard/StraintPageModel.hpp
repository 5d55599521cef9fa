#pragma once
// The wizard's constraints page: the list of constraint ids with New Constraint (the constraint
// builder), editing by double-click and Delete. The wizard leaves it only when the whole
// problem parses.

#include "workbench/dialogs/wizard/WizardLists.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class StraintPageModel {
public:
    static constexpr const char* kCaption = "Create and Edit Constraints";
    static constexpr const char* kParseRefusal = "Error - Please Check Constraints\nVariables \n and Domains";

    explicit StraintPageModel(WizardLists lists) : m_lists(lists) {}

    // The constraints' ids, in order.
    std::vector<std::string> Rows() const;

    // "New Constraint": the constraint builder; OK appends its constraint.
    bool OnNewConstraint();
    // Double-click: the builder on the constraint; OK replaces it.
    bool OnEdit(int row);
    // "Delete": asks "Delete Constraint with ID  <id>" (caption "Delete"); Yes deletes it.
    bool OnDelete(int row);

    // Next: the whole problem (constants, domains, variables, constraints) is written as
    // modelling-language text and parsed; when it does not parse, "Error - Please Check
    // Constraints\nVariables \n and Domains" and false.
    bool CheckProblem();

private:
    WizardLists m_lists;
};

} // namespace TavDialogs
