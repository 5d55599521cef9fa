#pragma once
// "Optimization": a coefficient per variable in a grid, edited in place (Tab, Enter and Down
// move to the next row, Up to the previous), and the direction.

#include "workbench/dialogs/lp/OptimDlgModel.hpp"
#include "workbench/dialogs/widgets/CoefficientDlg.hpp"

class QRadioButton;

namespace TavDialogs {

class COptimDlg : public CoefficientDlg<OptimDlgModel> {
    Q_OBJECT
public:
    COptimDlg(OptimDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    QWidget* FocusAfterRefusal() override;

private:
    QRadioButton* m_maximize;
    QRadioButton* m_minimize;
};

} // namespace TavDialogs
