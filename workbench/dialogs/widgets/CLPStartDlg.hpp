#pragma once
// "New Linear Programming Problem": the number of variables.

#include "workbench/dialogs/lp/LPStartDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

class QLineEdit;

namespace TavDialogs {

class CLPStartDlg : public ModelDialog {
    Q_OBJECT
public:
    CLPStartDlg(LPStartDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override;
    QWidget* FocusAfterRefusal() override;

private:
    LPStartDlgModel& m_model;
    QtWizardHost& m_host;
    QLineEdit* m_variables;
};

} // namespace TavDialogs
