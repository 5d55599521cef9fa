#pragma once
// "Totals Out of Balance": the two totals, "Change" (go back and edit) and "Automatic" (balance
// them with a dummy).

#include "workbench/dialogs/transport/WarningDlgModel.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

#include <QDialog>

namespace TavDialogs {

class CWarningDlg : public QDialog {
    Q_OBJECT
public:
    CWarningDlg(WarningDlgModel& model, QtWizardHost& host, QWidget* parent = nullptr);
};

} // namespace TavDialogs
