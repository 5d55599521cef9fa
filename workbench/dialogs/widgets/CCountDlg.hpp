#pragma once
// "Number Of Solutions": the "Maximum number of solutions to search for", at least 1.

#include "workbench/dialogs/solver/CountDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QLineEdit;

namespace TavDialogs {

class CCountDlg : public ModelDialog {
    Q_OBJECT
public:
    CCountDlg(CountDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    CountDlgModel& m_model;
    QLineEdit* m_count;
};

} // namespace TavDialogs
