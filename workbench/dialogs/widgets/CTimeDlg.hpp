#pragma once
// "Set Maximum Solution Time": "Time in minutes", 1 to 30; "Use Default" puts 5.

#include "workbench/dialogs/solver/TimeDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QLineEdit;

namespace TavDialogs {

class CTimeDlg : public ModelDialog {
    Q_OBJECT
public:
    CTimeDlg(TimeDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    TimeDlgModel& m_model;
    QLineEdit* m_minutes;
};

} // namespace TavDialogs
