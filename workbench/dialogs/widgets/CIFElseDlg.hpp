#pragma once
// "If.. ElseIf.. Else Templates": a modeless dialog beside the constraint builder. A radio
// button picks one of four templates, which is shown; "Apply" hands the shown text to the
// builder and closes; "Cancel" closes. The dialog deletes itself when closed.

#include "workbench/dialogs/builder/IFElseDlgModel.hpp"

#include <QDialog>

#include <string>

class QLabel;

namespace TavDialogs {

class CIFElseDlg : public QDialog {
    Q_OBJECT
public:
    explicit CIFElseDlg(QWidget* owner);

signals:
    // "Apply" with the shown template (bytes, "\r\n" line breaks).
    void applied(const std::string& text);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    IFElseDlgModel m_model;
    QLabel* m_shown;
};

} // namespace TavDialogs
