#pragma once
// "GLS Parameter Settings": writes its parameter block only when OK is accepted.

#include "workbench/dialogs/solver/GLSDialogModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QCheckBox;
class QLineEdit;

namespace TavDialogs {

class GLSDialog : public ModelDialog {
    Q_OBJECT
public:
    GLSDialog(GLSDialogModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    GLSDialogModel& m_model;
    QLineEdit* m_lambda;
    QCheckBox* m_approximate;
    QCheckBox* m_learning;
    QCheckBox* m_delta;
    QLineEdit* m_seed;
    QLineEdit* m_scaling;
};

} // namespace TavDialogs
