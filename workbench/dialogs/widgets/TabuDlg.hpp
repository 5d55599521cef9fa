#pragma once
// "Tabu Parameter Settings": writes its parameter block only when OK is accepted.

#include "workbench/dialogs/solver/TabuDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QCheckBox;
class QLineEdit;

namespace TavDialogs {

class TabuDlg : public ModelDialog {
    Q_OBJECT
public:
    TabuDlg(TabuDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    TabuDlgModel& m_model;
    QLineEdit* m_minimum;
    QLineEdit* m_maximum;
    QCheckBox* m_approximate;
    QCheckBox* m_delta;
    QLineEdit* m_scaling;
};

} // namespace TavDialogs
