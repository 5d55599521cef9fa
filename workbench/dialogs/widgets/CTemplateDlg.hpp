#pragma once
// "Problem Templates": the list of templates with a description of the one selected.

#include "workbench/dialogs/templates/TemplateDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

class QLabel;
class QListWidget;

namespace TavDialogs {

class CTemplateDlg : public ModelDialog {
    Q_OBJECT
public:
    CTemplateDlg(TemplateDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override;
    QWidget* FocusAfterRefusal() override;

private:
    TemplateDlgModel& m_model;
    QtWizardHost& m_host;
    QListWidget* m_list;
    QLabel* m_description;
};

} // namespace TavDialogs
