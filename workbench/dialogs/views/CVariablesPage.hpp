#pragma once
// The problem wizard's variables page: the list of variables, New Variable, Delete Variable,
// Constants and Domains; a double-click edits a variable.

#include "workbench/dialogs/views/WizardPage.hpp"
#include "workbench/dialogs/wizard/VariablesPageModel.hpp"

class QTreeWidget;

namespace TavDialogs {

class CVariablesPage : public WizardPage {
    Q_OBJECT
public:
    CVariablesPage(VariablesPageModel& model, QWidget* parent = nullptr);
    void Refresh() override;

private:
    int SelectedRow() const;

    VariablesPageModel& m_model;
    QTreeWidget* m_list;
};

} // namespace TavDialogs
