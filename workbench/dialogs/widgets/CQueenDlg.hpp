#pragma once
// "Queens Problem": the number of queens, with OK, Back and Cancel.

#include "workbench/dialogs/templates/QueenDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

class QLineEdit;

namespace TavDialogs {

class CQueenDlg : public ModelDialog {
    Q_OBJECT
public:
    CQueenDlg(QueenDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override;
    QWidget* FocusAfterRefusal() override;

private:
    QueenDlgModel& m_model;
    QtWizardHost& m_host;
    QLineEdit* m_queens;
};

} // namespace TavDialogs
