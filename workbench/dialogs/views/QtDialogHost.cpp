#include "workbench/dialogs/views/QtDialogHost.hpp"

#include "workbench/dialogs/views/CConstDlg.hpp"
#include "workbench/dialogs/views/CConstantsDlg.hpp"
#include "workbench/dialogs/views/CCopyVarDlg.hpp"
#include "workbench/dialogs/views/CCountDlg.hpp"
#include "workbench/dialogs/views/CEnumDlg.hpp"
#include "workbench/dialogs/views/CExpDlg.hpp"
#include "workbench/dialogs/views/CFloatDom.hpp"
#include "workbench/dialogs/views/CIntConst.hpp"
#include "workbench/dialogs/views/CNewVarDlg.hpp"
#include "workbench/dialogs/views/CNumDlg.hpp"
#include "workbench/dialogs/views/CRangeDlg.hpp"
#include "workbench/dialogs/views/CSeeAllDlg.hpp"
#include "workbench/dialogs/views/CSelConstDlg.hpp"
#include "workbench/dialogs/views/CSetDlg.hpp"
#include "workbench/dialogs/views/CStringConstDlg.hpp"
#include "workbench/dialogs/views/CTimeDlg.hpp"
#include "workbench/dialogs/views/CTypeSelDlg.hpp"
#include "workbench/dialogs/views/CVarDetailsDlg.hpp"
#include "workbench/dialogs/views/ExSolDlg.hpp"
#include "workbench/dialogs/views/ExpertDlg.hpp"
#include "workbench/dialogs/views/FCDialog.hpp"
#include "workbench/dialogs/views/GADialog.hpp"
#include "workbench/dialogs/views/GLSDialog.hpp"
#include "workbench/dialogs/views/TabuDlg.hpp"

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
