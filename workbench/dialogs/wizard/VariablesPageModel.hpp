#pragma once
// The wizard's variables page: the list of variables (id, type, domain, size) with New
// Variable, editing by double-click, Delete Variable, Constants and Domains.

#include "workbench/dialogs/wizard/WizardLists.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class VariablesPageModel {
public:
    static constexpr const char* kCaption = "Create and Edit Variables";
    struct Row {
        std::string id;
        std::string type;
        std::string domain;
        // The dimensions of an array ("3,4", or the size constant's id), "Single" otherwise.
        std::string size;
    };

    explicit VariablesPageModel(WizardLists lists) : m_lists(lists) {}

    // "Variable ID", "Data Type", "Domain ID", "Type/Size".
    static std::vector<std::string> Columns() {
        return {"Variable ID", "Data Type", "Domain ID", "Type/Size"};
    }
    std::vector<Row> Rows() const;

    // "New Variable": the variable dialog; OK appends one variable per id it returns.
    bool OnNewVariable();
    // Double-click: the variable dialog in edit mode; OK replaces the variable's fields.
    bool OnEdit(int row);
    // "Delete Variable": asks "Delete Variable with ID  <id>" (caption "Delete"); Yes deletes it.
    bool OnDeleteVariable(int row);
    // "Constants": the constants dialog over the wizard's lists.
    void OnConstants();
    // "Domains": a new domain (the type choice, then its dialog), as on the domains page.
    bool OnDomains();

private:
    WizardLists m_lists;
};

} // namespace TavDialogs
