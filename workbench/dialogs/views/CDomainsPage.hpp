#pragma once
// The problem wizard's domains page: the list of domains, New Domain, Delete Domain, Constants;
// a double-click edits a domain.

#include "workbench/dialogs/views/WizardPage.hpp"
#include "workbench/dialogs/wizard/DomainsPageModel.hpp"

class QTreeWidget;

namespace TavDialogs {

class CDomainsPage : public WizardPage {
    Q_OBJECT
public:
    CDomainsPage(DomainsPageModel& model, QWidget* parent = nullptr);
    void Refresh() override;

private:
    int SelectedRow() const;

    DomainsPageModel& m_model;
    QTreeWidget* m_list;
};

} // namespace TavDialogs
