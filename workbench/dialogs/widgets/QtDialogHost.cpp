#include "workbench/dialogs/widgets/QtDialogHost.hpp"

#include "workbench/dialogs/widgets/CConstDlg.hpp"
#include "workbench/dialogs/widgets/CConstantsDlg.hpp"
#include "workbench/dialogs/widgets/CCopyVarDlg.hpp"
#include "workbench/dialogs/widgets/CCountDlg.hpp"
#include "workbench/dialogs/widgets/CEnumDlg.hpp"
#include "workbench/dialogs/widgets/CExpDlg.hpp"
#include "workbench/dialogs/widgets/CFloatDom.hpp"
#include "workbench/dialogs/widgets/CIntConst.hpp"
#include "workbench/dialogs/widgets/CNewVarDlg.hpp"
#include "workbench/dialogs/widgets/CNumDlg.hpp"
#include "workbench/dialogs/widgets/CRangeDlg.hpp"
#include "workbench/dialogs/widgets/CSeeAllDlg.hpp"
#include "workbench/dialogs/widgets/CSelConstDlg.hpp"
#include "workbench/dialogs/widgets/CSetDlg.hpp"
#include "workbench/dialogs/widgets/CStringConstDlg.hpp"
#include "workbench/dialogs/widgets/CTimeDlg.hpp"
#include "workbench/dialogs/widgets/CTypeSelDlg.hpp"
#include "workbench/dialogs/widgets/CVarDetailsDlg.hpp"
#include "workbench/dialogs/widgets/ExSolDlg.hpp"
#include "workbench/dialogs/widgets/ExpertDlg.hpp"
#include "workbench/dialogs/widgets/FCDialog.hpp"
#include "workbench/dialogs/widgets/GADialog.hpp"
#include "workbench/dialogs/widgets/GLSDialog.hpp"
#include "workbench/dialogs/widgets/TabuDlg.hpp"

#include <QApplication>

namespace TavDialogs {

QWidget* QtDialogHost::Owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return m_owner.data();
}

template <class View, class Model> bool QtDialogHost::Exec(Model& model) {
    View view(model, m_messages, *this, Owner());
    if (m_observer) m_observer(&view);
    return view.exec() == QDialog::Accepted;
}

bool QtDialogHost::Run(TypeSelDlgModel& model) {
    return Exec<CTypeSelDlg>(model);
}
bool QtDialogHost::Run(NumDlgModel& model) {
    return Exec<CNumDlg>(model);
}
bool QtDialogHost::Run(EnumDlgModel& model) {
    return Exec<CEnumDlg>(model);
}
bool QtDialogHost::Run(FloatDomModel& model) {
    return Exec<CFloatDom>(model);
}
bool QtDialogHost::Run(SetDlgModel& model) {
    return Exec<CSetDlg>(model);
}
bool QtDialogHost::Run(RangeDlgModel& model) {
    return Exec<CRangeDlg>(model);
}
bool QtDialogHost::Run(NewVarDlgModel& model) {
    return Exec<CNewVarDlg>(model);
}
bool QtDialogHost::Run(CopyVarDlgModel& model) {
    return Exec<CCopyVarDlg>(model);
}
bool QtDialogHost::Run(SelConstDlgModel& model) {
    return Exec<CSelConstDlg>(model);
}
bool QtDialogHost::Run(VarDetailsDlgModel& model) {
    return Exec<CVarDetailsDlg>(model);
}
bool QtDialogHost::Run(SeeAllDlgModel& model) {
    return Exec<CSeeAllDlg>(model);
}
bool QtDialogHost::Run(ConstantsDlgModel& model) {
    return Exec<CConstantsDlg>(model);
}
bool QtDialogHost::Run(IntConstModel& model) {
    return Exec<CIntConst>(model);
}
bool QtDialogHost::Run(ConstDlgModel& model) {
    return Exec<CConstDlg>(model);
}
bool QtDialogHost::Run(StringConstDlgModel& model) {
    return Exec<CStringConstDlg>(model);
}
bool QtDialogHost::Run(ExpDlgModel& model) {
    return Exec<CExpDlg>(model);
}
bool QtDialogHost::Run(FCDialogModel& model) {
    return Exec<FCDialog>(model);
}
bool QtDialogHost::Run(GLSDialogModel& model) {
    return Exec<GLSDialog>(model);
}
bool QtDialogHost::Run(GADialogModel& model) {
    return Exec<GADialog>(model);
}
bool QtDialogHost::Run(TabuDlgModel& model) {
    return Exec<TabuDlg>(model);
}
bool QtDialogHost::Run(ExpertDlgModel& model) {
    return Exec<ExpertDlg>(model);
}
bool QtDialogHost::Run(ExSolDlgModel& model) {
    return Exec<ExSolDlg>(model);
}
bool QtDialogHost::Run(TimeDlgModel& model) {
    return Exec<CTimeDlg>(model);
}
bool QtDialogHost::Run(CountDlgModel& model) {
    return Exec<CCountDlg>(model);
}

} // namespace TavDialogs
