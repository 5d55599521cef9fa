#pragma once
// "Journey Options": the route limit and the start city, which is edited only while its box is ticked.

#include "workbench/dialogs/templates/TSPOptionsDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

class QCheckBox;
class QLineEdit;

namespace TavDialogs {

class CTSPOptionsDlg : public ModelDialog {
    Q_OBJECT
public:
    CTSPOptionsDlg(TSPOptionsDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override;
    QWidget* FocusAfterRefusal() override;

private:
    TSPOptionsDlgModel& m_model;
    QtWizardHost& m_host;
    QLineEdit* m_limit;
    QCheckBox* m_specify;
    QLineEdit* m_start;
};

} // namespace TavDialogs
