#pragma once
// "Variables and Domains": a variable picked from "Variables" shows its type, domain, size and
// its domain's range or values. Read-only; only Close.

#include "workbench/dialogs/variables/SeeAllDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace TavDialogs {

class CSeeAllDlg : public ModelDialog {
    Q_OBJECT
public:
    CSeeAllDlg(SeeAllDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override {}
    bool Check() override { return true; }

private:
    SeeAllDlgModel& m_model;
    QComboBox* m_variables;
    QLineEdit* m_dataType;
    QLineEdit* m_domainID;
    QLineEdit* m_size;
    QLineEdit* m_lower;
    QLineEdit* m_upper;
    QListWidget* m_values;
};

} // namespace TavDialogs
