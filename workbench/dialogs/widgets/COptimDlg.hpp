#pragma once
// "Optimization": a coefficient per variable in a grid, edited in place (Tab, Enter and Down
// move to the next row, Up to the previous), and the direction.

#include "workbench/dialogs/lp/OptimDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

class QRadioButton;

namespace TavDialogs {

class NumberGrid;

class COptimDlg : public ModelDialog {
    Q_OBJECT
public:
    COptimDlg(OptimDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);
    NumberGrid* Grid() const { return m_grid; }

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    OptimDlgModel& m_model;
    NumberGrid* m_grid;
    QRadioButton* m_maximize;
    QRadioButton* m_minimize;
};

} // namespace TavDialogs
