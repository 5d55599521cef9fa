#pragma once
// "Wizard": the problem wizard's five pages with Back, Next, Finish and Cancel as its model
// allows them. Finish (accept) leaves the model ready to hand its problem to the document.

#include "workbench/dialogs/wizard/TavWizardModel.hpp"

#include <QDialog>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace TavDialogs {

class CFinalPage;
class WizardPage;

class CTavWizard : public QDialog {
    Q_OBJECT
public:
    CTavWizard(TavWizardModel& model, QWidget* parent = nullptr);

private:
    void ShowPage();

    TavWizardModel& m_model;
    QLabel* m_caption;
    QStackedWidget* m_pages;
    CFinalPage* m_final;
    QPushButton* m_back;
    QPushButton* m_next;
    QPushButton* m_finish;
};

} // namespace TavDialogs
