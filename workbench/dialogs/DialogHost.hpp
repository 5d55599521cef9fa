#pragma once
// Runs a dialog modally over its model: true when it ended with OK (the model then holds what
// OK hands back), false when it was cancelled. The windows show the dialog's view; tests fill
// the model in code. Dialogs that open other dialogs (a new domain from the variable dialog, a
// constant chosen for a bound) reach them through the same host.

namespace TavDialogs {

class TypeSelDlgModel;
class NumDlgModel;
class EnumDlgModel;
class FloatDomModel;
class SetDlgModel;
class RangeDlgModel;
class NewVarDlgModel;
class CopyVarDlgModel;
class SelConstDlgModel;
class VarDetailsDlgModel;
class SeeAllDlgModel;
class ConstantsDlgModel;
class IntConstModel;
class ConstDlgModel;
class StringConstDlgModel;
class ExpDlgModel;
class FCDialogModel;
class GLSDialogModel;
class GADialogModel;
class TabuDlgModel;
class ExpertDlgModel;
class ExSolDlgModel;
class TimeDlgModel;
class CountDlgModel;

class DialogHost {
public:
    virtual ~DialogHost() = default;

    virtual bool Run(TypeSelDlgModel& model) = 0;
    virtual bool Run(NumDlgModel& model) = 0;
    virtual bool Run(EnumDlgModel& model) = 0;
    virtual bool Run(FloatDomModel& model) = 0;
    virtual bool Run(SetDlgModel& model) = 0;
    virtual bool Run(RangeDlgModel& model) = 0;
    virtual bool Run(NewVarDlgModel& model) = 0;
    virtual bool Run(CopyVarDlgModel& model) = 0;
    virtual bool Run(SelConstDlgModel& model) = 0;
    virtual bool Run(VarDetailsDlgModel& model) = 0;
    virtual bool Run(SeeAllDlgModel& model) = 0;
    virtual bool Run(ConstantsDlgModel& model) = 0;
    virtual bool Run(IntConstModel& model) = 0;
    virtual bool Run(ConstDlgModel& model) = 0;
    virtual bool Run(StringConstDlgModel& model) = 0;
    virtual bool Run(ExpDlgModel& model) = 0;
    virtual bool Run(FCDialogModel& model) = 0;
    virtual bool Run(GLSDialogModel& model) = 0;
    virtual bool Run(GADialogModel& model) = 0;
    virtual bool Run(TabuDlgModel& model) = 0;
    virtual bool Run(ExpertDlgModel& model) = 0;
    virtual bool Run(ExSolDlgModel& model) = 0;
    virtual bool Run(TimeDlgModel& model) = 0;
    virtual bool Run(CountDlgModel& model) = 0;
};

} // namespace TavDialogs
