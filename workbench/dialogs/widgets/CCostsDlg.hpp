#pragma once
// "Enter Costs between each Source and each Destination" (or between candidates and posts): the
// cost grid, edited in place (Tab to the next cell, Up and Down within a column).

#include "workbench/dialogs/transport/CostsDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

namespace TavDialogs {

class NumberGrid;

class CCostsDlg : public ModelDialog {
    Q_OBJECT
public:
    CCostsDlg(CostsDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);
    NumberGrid* Grid() const { return m_grid; }

protected:
    void Load() override;
    void Save() override {}
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    CostsDlgModel& m_model;
    NumberGrid* m_grid;
};

} // namespace TavDialogs
