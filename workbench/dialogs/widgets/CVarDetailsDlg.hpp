#pragma once
// "Variable Details": every variable in a table (ID, Domain ID, Array, Size); only Close.

#include "workbench/dialogs/variables/VarDetailsDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

namespace TavDialogs {

class CVarDetailsDlg : public ModelDialog {
    Q_OBJECT
public:
    CVarDetailsDlg(VarDetailsDlgModel& model, DialogMessages& messages, DialogHost& host,
                   QWidget* parent = nullptr);

protected:
    void Load() override {}
    void Save() override {}
    bool Check() override { return true; }
};

} // namespace TavDialogs
