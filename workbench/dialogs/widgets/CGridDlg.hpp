#pragma once
// "City Distances Grid" / "Demand For Staff": the number grid of a template, edited in place.
// Editing a distance edits its mirror cell too. OK, Back and Cancel.

#include "workbench/dialogs/templates/GridDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

namespace TavDialogs {

class NumberGrid;

class CGridDlg : public ModelDialog {
    Q_OBJECT
public:
    CGridDlg(GridDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);
    NumberGrid* Grid() const { return m_grid; }

protected:
    void Load() override;
    void Save() override {}
    bool Check() override { return true; }

private:
    GridDlgModel& m_model;
    NumberGrid* m_grid;
};

} // namespace TavDialogs
