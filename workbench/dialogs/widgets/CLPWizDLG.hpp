#pragma once
// "LP Problem Wizard": the constraints of a linear programme (New, Edit, Delete), its objective
// (Set Optimisation), Finish and Abandon Run.

#include "workbench/dialogs/lp/LPWizDLGModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace TavDialogs {

class CLPWizDLG : public ModelDialog {
    Q_OBJECT
public:
    CLPWizDLG(LPWizDLGModel& model, QtWizardHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override {}
    bool Check() override { return m_model.FinishEnabled(); }

private:
    LPWizDLGModel& m_model;
    QtWizardHost& m_host;
    QListWidget* m_list;
    QLineEdit* m_objective;
    QPushButton* m_edit;
    QPushButton* m_delete;
};

} // namespace TavDialogs
