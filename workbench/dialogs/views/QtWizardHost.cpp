#include "workbench/dialogs/views/QtWizardHost.hpp"

#include "workbench/dialogs/views/CBothQuantDlg.hpp"
#include "workbench/dialogs/views/CCostsDlg.hpp"
#include "workbench/dialogs/views/CGridDlg.hpp"
#include "workbench/dialogs/views/CLPConsDlg.hpp"
#include "workbench/dialogs/views/CLPStartDlg.hpp"
#include "workbench/dialogs/views/CLPWizDLG.hpp"
#include "workbench/dialogs/views/COptimDlg.hpp"
#include "workbench/dialogs/views/CQueenDlg.hpp"
#include "workbench/dialogs/views/CShedDlg.hpp"
#include "workbench/dialogs/views/CTSPOptionsDlg.hpp"
#include "workbench/dialogs/views/CTemplateDlg.hpp"
#include "workbench/dialogs/views/CTransNumDlg.hpp"
#include "workbench/dialogs/views/CWarningDlg.hpp"

#include <QApplication>

namespace TavDialogs {

QWidget* QtWizardHost::Owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return m_owner.data();
}

DialogEnd QtWizardHost::Exec(QDialog& view) {
    if (m_observer) m_observer(&view);
    const int result = view.exec();
    if (result == QDialog::Accepted) return DialogEnd::Ok;
    return result == kBack ? DialogEnd::Back : DialogEnd::Cancel;
}

template <class View, class Model> DialogEnd QtWizardHost::Show(Model& model) {
    View view(model, *this, Owner());
    return Exec(view);
}

DialogEnd QtWizardHost::Run(TemplateDlgModel& model) {
    return Show<CTemplateDlg>(model);
}
DialogEnd QtWizardHost::Run(QueenDlgModel& model) {
    return Show<CQueenDlg>(model);
}
DialogEnd QtWizardHost::Run(TSPOptionsDlgModel& model) {
    return Show<CTSPOptionsDlg>(model);
}
DialogEnd QtWizardHost::Run(ShedDlgModel& model) {
    return Show<CShedDlg>(model);
}
DialogEnd QtWizardHost::Run(GridDlgModel& model) {
    return Show<CGridDlg>(model);
}
DialogEnd QtWizardHost::Run(OptimDlgModel& model) {
    return Show<COptimDlg>(model);
}
DialogEnd QtWizardHost::Run(LPStartDlgModel& model) {
    return Show<CLPStartDlg>(model);
}
DialogEnd QtWizardHost::Run(LPWizDLGModel& model) {
    return Show<CLPWizDLG>(model);
}
DialogEnd QtWizardHost::Run(LPConsDlgModel& model) {
    return Show<CLPConsDlg>(model);
}
DialogEnd QtWizardHost::Run(TransNumDlgModel& model) {
    return Show<CTransNumDlg>(model);
}
DialogEnd QtWizardHost::Run(WarningDlgModel& model) {
    return Show<CWarningDlg>(model);
}
DialogEnd QtWizardHost::Run(BothQuantDlgModel& model) {
    return Show<CBothQuantDlg>(model);
}
DialogEnd QtWizardHost::Run(CostsDlgModel& model) {
    return Show<CCostsDlg>(model);
}

} // namespace TavDialogs
