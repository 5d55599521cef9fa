#pragma once
// "For All Templates": a modeless dialog beside the constraint builder. "Apply" hands the
// selected template's number to the builder and closes; "Close" closes. The dialog deletes
// itself when closed.

#include "workbench/dialogs/builder/ForTempDlgModel.hpp"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace TavDialogs {

class CForTempDlg : public QDialog {
    Q_OBJECT
public:
    explicit CForTempDlg(QWidget* owner);

signals:
    // "Apply" with the selected entry's number 0 to 2.
    void applied(int number);
    // The dialog closed (after Apply too).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ForTempDlgModel m_model;
    QListWidget* m_list;
    QPushButton* m_apply;
};

} // namespace TavDialogs
