#pragma once
// "Schedule Details": the sizes of the staff schedule. Only the OK button closes it; Enter does not.

#include "workbench/dialogs/templates/ShedDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

class QLineEdit;

namespace TavDialogs {

class CShedDlg : public ModelDialog {
    Q_OBJECT
public:
    CShedDlg(ShedDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override;
    QWidget* FocusAfterRefusal() override;

private:
    ShedDlgModel& m_model;
    QtWizardHost& m_host;
    QLineEdit* m_days;
    QLineEdit* m_slots;
    QLineEdit* m_staff;
    QLineEdit* m_minFree;
    QLineEdit* m_demand;
};

} // namespace TavDialogs
