#pragma once
// "Set Domain": the id and the integers, added one at a time or "Enter Via a Range".

#include "workbench/dialogs/domains/SetDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace TavDialogs {

class CSetDlg : public ModelDialog {
    Q_OBJECT
public:
    CSetDlg(SetDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    SetDlgModel& m_model;
    QLineEdit* m_id;
    QListWidget* m_values;
    QGroupBox* m_newGroup;
    QLineEdit* m_newValue;
    QPushButton* m_add;
    QPushButton* m_range;
};

} // namespace TavDialogs
