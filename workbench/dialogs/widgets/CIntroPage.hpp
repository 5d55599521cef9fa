#pragma once
// The problem wizard's introduction: how a problem is stated, in three steps.

#include "workbench/dialogs/widgets/WizardPage.hpp"

namespace TavDialogs {

class CIntroPage : public WizardPage {
    Q_OBJECT
public:
    explicit CIntroPage(QWidget* parent = nullptr);
};

} // namespace TavDialogs
