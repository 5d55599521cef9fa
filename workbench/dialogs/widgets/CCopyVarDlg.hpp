#pragma once
// "Copy Variable": "Make copy of " the variable shown, under a "New ID".

#include "workbench/dialogs/variables/CopyVarDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QLineEdit;

namespace TavDialogs {

class CCopyVarDlg : public ModelDialog {
    Q_OBJECT
public:
    CCopyVarDlg(CopyVarDlgModel& model, DialogMessages& messages, DialogHost& host,
                QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    CopyVarDlgModel& m_model;
    QLineEdit* m_source;
    QLineEdit* m_newID;
};

} // namespace TavDialogs
