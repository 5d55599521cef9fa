#pragma once
// The problem wizard's last page: what Finish creates, and the problem's title.

#include "workbench/dialogs/widgets/WizardPage.hpp"
#include "workbench/dialogs/wizard/FinalPageModel.hpp"

class QLineEdit;
class QPlainTextEdit;

namespace TavDialogs {

class CFinalPage : public WizardPage {
    Q_OBJECT
public:
    CFinalPage(FinalPageModel& model, QWidget* parent = nullptr);
    void Refresh() override;
    // The title box into the model.
    void Save();
    QLineEdit* TitleBox() const { return m_title; }

private:
    FinalPageModel& m_model;
    QLineEdit* m_title;
    QPlainTextEdit* m_summary;
};

} // namespace TavDialogs
