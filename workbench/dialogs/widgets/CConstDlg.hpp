#pragma once
// "Constant": the "Constant ID" and, in "Enter Set or Value List", the "Set" or the "List".

#include "workbench/dialogs/constants/ConstDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QLineEdit;
class QPlainTextEdit;

namespace TavDialogs {

class CConstDlg : public ModelDialog {
    Q_OBJECT
public:
    CConstDlg(ConstDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    ConstDlgModel& m_model;
    QLineEdit* m_id;
    QLineEdit* m_set;
    QPlainTextEdit* m_list;
};

} // namespace TavDialogs
