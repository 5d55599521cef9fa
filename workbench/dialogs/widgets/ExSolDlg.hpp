#pragma once
// "External Solvers": the connected external solvers; OK chooses the highlighted one (none
// when none is), a double-click chooses one and closes.

#include "workbench/dialogs/solver/ExSolDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

namespace TavDialogs {

class ExSolDlg : public ModelDialog {
    Q_OBJECT
public:
    ExSolDlg(ExSolDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override {}
    void Save() override;
    bool Check() override { return true; }

private:
    ExSolDlgModel& m_model;
    QListWidget* m_list;
};

} // namespace TavDialogs
