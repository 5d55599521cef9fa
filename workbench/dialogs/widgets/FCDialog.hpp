#pragma once
// "FC Parameters Settings": writes its parameter block only when OK is accepted. The ordering is
// greyed, with a note, while the backtracking chosen runs with natural ordering whatever it says.

#include "workbench/dialogs/solver/FCDialogModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace TavDialogs {

class FCDialog : public ModelDialog {
    Q_OBJECT
public:
    FCDialog(FCDialogModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    // The ordering's group enabled, and its note shown, as the backtracking chosen decides.
    void ShowOrdering();

    FCDialogModel& m_model;
    QButtonGroup* m_ordering;
    QLabel* m_orderingNote;
    QLineEdit* m_threshold;
    QButtonGroup* m_backtracking;
};

} // namespace TavDialogs
