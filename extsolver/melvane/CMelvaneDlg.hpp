#pragma once
// The external solver's dialog "Melvane": the edits, check boxes, buttons and log of
// MelvaneDlgModel as widgets. It copies the fields to the model before each button's handler
// runs, and shows the buttons and the log as the model has them; it keeps no state of its own.

#include "extsolver/CMelvaneApp.hpp"

#include <QDialog>

#include <map>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace Melvane {

class CMelvaneDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMelvaneDlg(CMelvaneApp& app, QWidget* parent = nullptr);
    ~CMelvaneDlg() override;

    // The button of the model's button b (for the program's start-up options and for tests).
    QPushButton* Button(MelvaneButton b) const { return m_buttons.at(b); }
    // Copies the model's fields into the edits.
    void ShowFields();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ReadFieldsIntoModel();
    void ShowButtons();
    void AppendLog(const std::string& text);
    void FocusField(const std::optional<FieldError>& error);
    void ShowAbout();

    CMelvaneApp& m_app;
    QLineEdit* m_serverName;
    QLineEdit* m_port;
    QPlainTextEdit* m_log;
    QLineEdit* m_solverName;
    QLineEdit* m_solutions;
    QLineEdit* m_timeLimit;
    QLineEdit* m_lambda;
    QLineEdit* m_seed;
    QLineEdit* m_optimise;
    QCheckBox* m_learning;
    QCheckBox* m_delta;
    QCheckBox* m_approx;
    std::map<MelvaneButton, QPushButton*> m_buttons;
};

} // namespace Melvane
