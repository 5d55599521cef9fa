#pragma once
// "Enumerated Domain": the id and the value names; entries can be dragged to a new place.

#include "workbench/dialogs/domains/EnumDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace TavDialogs {

class CEnumDlg : public ModelDialog {
    Q_OBJECT
public:
    CEnumDlg(EnumDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    EnumDlgModel& m_model;
    QLineEdit* m_id;
    QListWidget* m_values;
    QLineEdit* m_newValue;
    QPushButton* m_add;
};

} // namespace TavDialogs
