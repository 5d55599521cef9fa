#pragma once
// The problem wizard's constraints page: the constraint ids, New Constraint and Delete; a
// double-click edits a constraint in the builder.

#include "workbench/dialogs/widgets/WizardPage.hpp"
#include "workbench/dialogs/wizard/StraintPageModel.hpp"

class QListWidget;

namespace TavDialogs {

class CStraintPage : public WizardPage {
    Q_OBJECT
public:
    CStraintPage(StraintPageModel& model, QWidget* parent = nullptr);
    void Refresh() override;

private:
    StraintPageModel& m_model;
    QListWidget* m_list;
};

} // namespace TavDialogs
