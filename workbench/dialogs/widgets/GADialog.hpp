#pragma once
// "GA Parameter Settings": writes its parameter block only when OK is accepted.

#include "workbench/dialogs/solver/GADialogModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

#include <array>

class QLineEdit;

namespace TavDialogs {

class GADialog : public ModelDialog {
    Q_OBJECT
public:
    GADialog(GADialogModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    GADialogModel& m_model;
    std::array<QLineEdit*, GADialogModel::kFieldCount> m_fields{};
};

} // namespace TavDialogs
