#pragma once
// The wizard's domains page: the list of domains (id and type) with New Domain, editing by
// double-click, Delete Domain and Constants.

#include "workbench/dialogs/wizard/WizardLists.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class DomainsPageModel {
public:
    static constexpr const char* kCaption = "Tav Wizard - Domains";
    struct Row {
        std::string id;
        std::string type;
    };

    explicit DomainsPageModel(WizardLists lists) : m_lists(lists) {}

    // "Domain ID", "Data Type".
    static std::vector<std::string> Columns() { return {"Domain ID", "Data Type"}; }
    // One row per domain, in order.
    std::vector<Row> Rows() const;

    // "New Domain": the type choice, then the integer or set dialog; OK appends the domain.
    bool OnNewDomain();
    // Double-click: the dialog of the domain's type in edit mode (none for a Boolean domain);
    // OK replaces it.
    bool OnEdit(int row);
    // "Delete Domain": removes the domain at `row` when it is not predefined and nothing uses it
    // (the user is told otherwise), after the question "Delete Domain: <id>".
    bool OnDeleteDomain(int row);
    // "Constants": the constants dialog over the wizard's lists.
    void OnConstants();

private:
    WizardLists m_lists;
};

} // namespace TavDialogs
