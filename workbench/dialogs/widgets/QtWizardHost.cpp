#include "workbench/dialogs/widgets/QtWizardHost.hpp"

#include "workbench/dialogs/widgets/CBothQuantDlg.hpp"
#include "workbench/dialogs/widgets/CCostsDlg.hpp"
#include "workbench/dialogs/widgets/CGridDlg.hpp"
#include "workbench/dialogs/widgets/CLPConsDlg.hpp"
#include "workbench/dialogs/widgets/CLPStartDlg.hpp"
#include "workbench/dialogs/widgets/CLPWizDLG.hpp"
#include "workbench/dialogs/widgets/COptimDlg.hpp"
#include "workbench/dialogs/widgets/CQueenDlg.hpp"
#include "workbench/dialogs/widgets/CShedDlg.hpp"
#include "workbench/dialogs/widgets/CTSPOptionsDlg.hpp"
#include "workbench/dialogs/widgets/CTemplateDlg.hpp"
#include "workbench/dialogs/widgets/CTransNumDlg.hpp"
#include "workbench/dialogs/widgets/CWarningDlg.hpp"

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
