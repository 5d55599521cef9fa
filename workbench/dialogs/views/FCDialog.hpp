#pragma once
// "FC Parameters Settings": writes its parameter block only when OK is accepted.

#include "workbench/dialogs/solver/FCDialogModel.hpp"
#include "workbench/dialogs/views/ModelDialog.hpp"

class QButtonGroup;
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
    FCDialogModel& m_model;
    QButtonGroup* m_ordering;
    QLineEdit* m_threshold;
    QButtonGroup* m_backtracking;
};

} // namespace TavDialogs
