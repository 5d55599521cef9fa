#include "workbench/dialogs/widgets/CIntroPage.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/dialogs/wizard/TavWizardModel.hpp"

#include <QLabel>
#include <QVBoxLayout>

namespace TavDialogs {

CIntroPage::CIntroPage(QWidget* parent)
    : WizardPage(QString::fromLatin1(TavWizardModel::kIntroCaption), parent) {
    auto* layout = new QVBoxLayout(this);
    for (const std::string& text : TavWizardModel::IntroTexts()) {
        auto* label = new QLabel(ToQ(text), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addStretch();
    TavHelp::ContextHelp::Set(this, "wizard-intro");
}

} // namespace TavDialogs
