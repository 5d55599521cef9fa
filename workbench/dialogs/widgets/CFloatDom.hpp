#pragma once
// "Float Domain": the id and the two bounds.

#include "workbench/dialogs/domains/FloatDomModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QLineEdit;

namespace TavDialogs {

class CFloatDom : public ModelDialog {
    Q_OBJECT
public:
    CFloatDom(FloatDomModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    FloatDomModel& m_model;
    QLineEdit* m_id;
    QLineEdit* m_min;
    QLineEdit* m_max;
};

} // namespace TavDialogs
