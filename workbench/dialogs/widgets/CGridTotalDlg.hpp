#pragma once
// "Add Row Values ": the first and last row to total.

#include "workbench/dialogs/templates/GridTotalDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

class QLineEdit;

namespace TavDialogs {

class CGridTotalDlg : public ModelDialog {
    Q_OBJECT
public:
    CGridTotalDlg(GridTotalDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override;
    QWidget* FocusAfterRefusal() override;

private:
    GridTotalDlgModel& m_model;
    QtWizardHost& m_host;
    QLineEdit* m_from;
    QLineEdit* m_to;
};

} // namespace TavDialogs
