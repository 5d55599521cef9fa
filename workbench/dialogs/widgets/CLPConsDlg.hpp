#pragma once
// "LP Constraint": a coefficient per variable in a grid, edited in place, an operator and a
// right-hand side. Enter moves the cell editor on and never closes the dialog; the OK button does.

#include "workbench/dialogs/lp/LPConsDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

class QComboBox;
class QLineEdit;

namespace TavDialogs {

class NumberGrid;

class CLPConsDlg : public ModelDialog {
    Q_OBJECT
public:
    CLPConsDlg(LPConsDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);
    NumberGrid* Grid() const { return m_grid; }

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    LPConsDlgModel& m_model;
    NumberGrid* m_grid;
    QComboBox* m_operator;
    QLineEdit* m_rhs;
};

} // namespace TavDialogs
