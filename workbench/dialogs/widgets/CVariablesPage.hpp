#pragma once
// The problem wizard's variables page: the list of variables, New Variable, Delete Variable,
// Constants and Domains; a double-click edits a variable.

#include "workbench/dialogs/widgets/ListPage.hpp"
#include "workbench/dialogs/wizard/VariablesPageModel.hpp"

namespace TavDialogs {

class CVariablesPage : public ListPage {
    Q_OBJECT
public:
    CVariablesPage(VariablesPageModel& model, QWidget* parent = nullptr);
    void Refresh() override;

private:
    VariablesPageModel& m_model;
};

} // namespace TavDialogs
