#pragma once
// "Variable Details": the id (several, separated by commas, for new variables), the domain
// chosen by a double-click in "Current Domains", and for an array its size constant or its
// dimensions; "View Domain" and "New Domain" open the domain dialogs.

#include "workbench/dialogs/variables/NewVarDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace TavDialogs {

class CNewVarDlg : public ModelDialog {
    Q_OBJECT
public:
    CNewVarDlg(NewVarDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    NewVarDlgModel& m_model;
    QLineEdit* m_id;
    QListWidget* m_domains;
    QLineEdit* m_domainID;
    QLineEdit* m_dataType;
    QCheckBox* m_array;
    QLineEdit* m_sizeConst;
    QPushButton* m_pickSize;
    QLineEdit* m_dimensions;
    QPushButton* m_viewDomain;
    QPushButton* m_newDomain;
};

} // namespace TavDialogs
