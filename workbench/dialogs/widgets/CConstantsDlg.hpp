#pragma once
// "Constants": every constant (Constant ID, Type, Value); add an integer or a list/set
// constant, double-click a row to edit it, delete the selected one.

#include "workbench/dialogs/constants/ConstantsDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QTableWidget;

namespace TavDialogs {

class CConstantsDlg : public ModelDialog {
    Q_OBJECT
public:
    CConstantsDlg(ConstantsDlgModel& model, DialogMessages& messages, DialogHost& host,
                  QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return true; }

private:
    ConstantsDlgModel& m_model;
    QTableWidget* m_table;
};

} // namespace TavDialogs
