#pragma once
// "Integer Constant": the ID and the "Integer Value".

#include "workbench/dialogs/constants/IntConstModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QLineEdit;

namespace TavDialogs {

class CIntConst : public ModelDialog {
    Q_OBJECT
public:
    CIntConst(IntConstModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    IntConstModel& m_model;
    QLineEdit* m_id;
    QLineEdit* m_value;
};

} // namespace TavDialogs
