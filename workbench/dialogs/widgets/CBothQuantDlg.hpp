#pragma once
// "Source and Destination Quantities": a supply per source and a demand per destination, each
// in its own grid edited in place, with "Remove Dummy" for a dummy added to balance them.

#include "workbench/dialogs/transport/BothQuantDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

class QPushButton;

namespace TavDialogs {

class NumberGrid;

class CBothQuantDlg : public ModelDialog {
    Q_OBJECT
public:
    CBothQuantDlg(BothQuantDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);
    NumberGrid* Grid(BothQuantDlgModel::Grid grid) const {
        return grid == BothQuantDlgModel::Grid::Sources ? m_sources : m_destinations;
    }

protected:
    void Load() override;
    void Save() override {}
    bool Check() override { return m_model.OnOK(m_host); }
    QWidget* FocusAfterRefusal() override;

private:
    void Connect(BothQuantDlgModel::Grid which);
    // Opens the editor of the active grid on its row and closes the other grid's.
    void ShowActiveEditor();

    BothQuantDlgModel& m_model;
    QtWizardHost& m_host;
    NumberGrid* m_sources;
    NumberGrid* m_destinations;
    QPushButton* m_remove;
};

} // namespace TavDialogs
