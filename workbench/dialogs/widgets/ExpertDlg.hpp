#pragma once
// "Expert Solver": the engines in their "Reccomended Ordering", the "Time Limit (sec)" of each,
// and "Clear Stats", which clears the engines' records and leaves the dialog open.

#include "workbench/dialogs/solver/ExpertDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QLineEdit;

namespace TavDialogs {

class ExpertDlg : public ModelDialog {
    Q_OBJECT
public:
    ExpertDlg(ExpertDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    ExpertDlgModel& m_model;
    QLineEdit* m_timeLimit;
};

} // namespace TavDialogs
