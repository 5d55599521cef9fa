#pragma once
// Runs each dialog model in its Qt view, modally, over the window that is active (the owner
// given, or the dialog that opened this one). Tests watch each view as it opens.

#include "workbench/dialogs/DialogHost.hpp"
#include "workbench/dialogs/DialogMessages.hpp"

#include <QPointer>
#include <QWidget>

#include <functional>

class QDialog;

namespace TavDialogs {

class QtDialogHost : public DialogHost {
public:
    // `messages` shows the views' boxes; it must outlive the host.
    QtDialogHost(DialogMessages& messages, QWidget* owner = nullptr) : m_messages(messages), m_owner(owner) {}
    void SetOwner(QWidget* owner) { m_owner = owner; }
    // Called with each view after it is built and before it runs (null: nothing).
    void SetOpenObserver(std::function<void(QDialog*)> observer) { m_observer = std::move(observer); }

    bool Run(TypeSelDlgModel& model) override;
    bool Run(NumDlgModel& model) override;
    bool Run(EnumDlgModel& model) override;
    bool Run(FloatDomModel& model) override;
    bool Run(SetDlgModel& model) override;
    bool Run(RangeDlgModel& model) override;
    bool Run(NewVarDlgModel& model) override;
    bool Run(CopyVarDlgModel& model) override;
    bool Run(SelConstDlgModel& model) override;
    bool Run(VarDetailsDlgModel& model) override;
    bool Run(SeeAllDlgModel& model) override;
    bool Run(ConstantsDlgModel& model) override;
    bool Run(IntConstModel& model) override;
    bool Run(ConstDlgModel& model) override;
    bool Run(StringConstDlgModel& model) override;
    bool Run(ExpDlgModel& model) override;
    bool Run(FCDialogModel& model) override;
    bool Run(GLSDialogModel& model) override;
    bool Run(GADialogModel& model) override;
    bool Run(TabuDlgModel& model) override;
    bool Run(ExpertDlgModel& model) override;
    bool Run(ExSolDlgModel& model) override;
    bool Run(TimeDlgModel& model) override;
    bool Run(CountDlgModel& model) override;

private:
    template <class View, class Model> bool Exec(Model& model);
    QWidget* Owner() const;

    DialogMessages& m_messages;
    QPointer<QWidget> m_owner;
    std::function<void(QDialog*)> m_observer;
};

} // namespace TavDialogs
