#pragma once
// "Select Domain Data Type": the combo box "Data Type" with "Integer" and "Set".

#include "workbench/dialogs/domains/TypeSelDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QComboBox;

namespace TavDialogs {

class CTypeSelDlg : public ModelDialog {
    Q_OBJECT
public:
    CTypeSelDlg(TypeSelDlgModel& model, DialogMessages& messages, DialogHost& host,
                QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    TypeSelDlgModel& m_model;
    QComboBox* m_type;
};

} // namespace TavDialogs
