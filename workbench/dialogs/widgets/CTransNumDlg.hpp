#pragma once
// "Sources and Destinations" (or "Candidates and Posts"): the two counts.

#include "workbench/dialogs/transport/TransNumDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

class QLineEdit;

namespace TavDialogs {

class CTransNumDlg : public ModelDialog {
    Q_OBJECT
public:
    CTransNumDlg(TransNumDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override;
    QWidget* FocusAfterRefusal() override;

private:
    TransNumDlgModel& m_model;
    QtWizardHost& m_host;
    QLineEdit* m_sources;
    QLineEdit* m_destinations;
};

} // namespace TavDialogs
