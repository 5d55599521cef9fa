#pragma once
// "Select Constant": the constants of the wanted type; with none to offer the dialog says so
// and ends as cancelled.

#include "workbench/dialogs/variables/SelConstDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QListWidget;

namespace TavDialogs {

class CSelConstDlg : public ModelDialog {
    Q_OBJECT
public:
    CSelConstDlg(SelConstDlgModel& model, DialogMessages& messages, DialogHost& host,
                 QWidget* parent = nullptr);

    // Runs the dialog, unless there is nothing to offer.
    int exec() override;

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    SelConstDlgModel& m_model;
    QListWidget* m_list;
};

} // namespace TavDialogs
