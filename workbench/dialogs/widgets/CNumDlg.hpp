#pragma once
// "Integer Domain": the id, a range (Min and Max, or integer constants with offsets) or a value
// list (typed values, or a list constant). Enter adds the new value; OK accepts.

#include "workbench/dialogs/domains/NumDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace TavDialogs {

class CNumDlg : public ModelDialog {
    Q_OBJECT
public:
    CNumDlg(NumDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent = nullptr);

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    void Refresh();

    NumDlgModel& m_model;
    QLineEdit* m_id;
    QLineEdit* m_min;
    QLineEdit* m_max;
    QLineEdit* m_minConst;
    QLineEdit* m_maxConst;
    QLineEdit* m_listConst;
    QLineEdit* m_minOffset;
    QLineEdit* m_maxOffset;
    QListWidget* m_values;
    QLineEdit* m_newValue;
    QPushButton* m_add;
    QPushButton* m_pickMin;
    QPushButton* m_pickMax;
    QPushButton* m_pickList;
};

} // namespace TavDialogs
