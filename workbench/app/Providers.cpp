#include "workbench/app/Providers.hpp"

#include "workbench/dialogs/widgets/DialogActionsProvider.hpp"
#include "workbench/dialogs/widgets/WizardActionsProvider.hpp"

#include <memory>

namespace TavWorkbench::App {

void RegisterProviders(Ui::ActionProviders& providers) {
    // The element dialogs: the tree's add, edit, clone and delete actions, the solver's dialogs,
    // the statistics window (their boxes are Qt message boxes).
    providers.Add(std::make_unique<TavDialogs::DialogActionsProvider>());
    providers.Add(std::make_unique<TavDialogs::WizardActionsProvider>());
}

} // namespace TavWorkbench::App
