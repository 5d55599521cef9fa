#pragma once
// "String Constant": the "Constant ID" and the entries; "Add To List" appends the "New Value",
// a drag moves an entry, a double-click deletes one.

#include "workbench/dialogs/constants/StringConstDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace TavDialogs {

class CStringConstDlg : public ModelDialog {
    Q_OBJECT
public:
    CStringConstDlg(StringConstDlgModel& model, DialogMessages& messages, DialogHost& host,
                    QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    StringConstDlgModel& m_model;
    QLineEdit* m_id;
    QListWidget* m_entries;
    QLineEdit* m_newValue;
    QPushButton* m_add;
};

} // namespace TavDialogs
