#pragma once
// The problem wizard's domains page: the list of domains, New Domain, Delete Domain, Constants;
// a double-click edits a domain.

#include "workbench/dialogs/widgets/ListPage.hpp"
#include "workbench/dialogs/wizard/DomainsPageModel.hpp"

namespace TavDialogs {

class CDomainsPage : public ListPage {
    Q_OBJECT
public:
    CDomainsPage(DomainsPageModel& model, QWidget* parent = nullptr);
    void Refresh() override;

private:
    DomainsPageModel& m_model;
};

} // namespace TavDialogs
