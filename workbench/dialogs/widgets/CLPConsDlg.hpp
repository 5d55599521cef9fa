#pragma once
// "LP Constraint": a coefficient per variable in a grid, edited in place, an operator and a
// right-hand side. Enter moves the cell editor on and never closes the dialog; the OK button does.

#include "workbench/dialogs/lp/LPConsDlgModel.hpp"
#include "workbench/dialogs/widgets/CoefficientDlg.hpp"

class QComboBox;
class QLineEdit;

namespace TavDialogs {

class CLPConsDlg : public CoefficientDlg<LPConsDlgModel> {
    Q_OBJECT
public:
    CLPConsDlg(LPConsDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    QWidget* FocusAfterRefusal() override;

private:
    QComboBox* m_operator;
    QLineEdit* m_rhs;
};

} // namespace TavDialogs
