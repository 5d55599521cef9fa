#pragma once
// "Constraint  Builder": the constraint (or the optimisation target) typed or composed from the
// tree of building blocks, the operator buttons and the Forall and if/else templates, each
// insertion put at the caret followed by one blank; "Check Constraint" parses the problem with
// it; OK accepts it after the same checks.

#include "workbench/dialogs/builder/ExpDlgModel.hpp"
#include "workbench/dialogs/widgets/CForTempDlg.hpp"
#include "workbench/dialogs/widgets/CIFElseDlg.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/ui/CHelpWnd.hpp"

#include <QPointer>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace TavDialogs {

class CExpDlg : public ModelDialog {
    Q_OBJECT
public:
    CExpDlg(ExpDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

    // Puts `text` and one blank in place of the constraint box's selection (one undo step).
    void Insert(const std::string& text);
    // The template dialogs while they are open (null otherwise).
    CForTempDlg* ForallDialog() const { return m_forall.data(); }
    CIFElseDlg* IfElseDialog() const { return m_ifElse.data(); }
    // The help note of the selected template while it is shown (null otherwise).
    TavWorkbench::Ui::CHelpWnd* HelpNote() const { return m_helpNote.data(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    QPushButton* AddButton(const QString& caption, const QString& name, const QString& tip = {});
    void OnCheck();
    void ShowSelection();
    void HideHelpNote();

    ExpDlgModel& m_model;
    QPlainTextEdit* m_text;
    QLineEdit* m_id;
    QTreeWidget* m_tree;
    QListWidget* m_list;
    QPushButton* m_templateHelp;
    QPushButton* m_check;
    QPointer<CForTempDlg> m_forall;
    QPointer<CIFElseDlg> m_ifElse;
    QPointer<TavWorkbench::Ui::CHelpWnd> m_helpNote;
};

} // namespace TavDialogs
