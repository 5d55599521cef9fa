#pragma once
// "Create A Range Of Values": From, To and Step.

#include "workbench/dialogs/domains/RangeDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QLineEdit;

namespace TavDialogs {

class CRangeDlg : public ModelDialog {
    Q_OBJECT
public:
    CRangeDlg(RangeDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    RangeDlgModel& m_model;
    QLineEdit* m_from;
    QLineEdit* m_to;
    QLineEdit* m_step;
};

} // namespace TavDialogs
