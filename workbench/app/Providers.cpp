#include "workbench/app/Providers.hpp"

#include "workbench/dialogs/views/WizardActionsProvider.hpp"

#include <memory>

namespace TavWorkbench::App {

void RegisterProviders(Ui::ActionProviders& providers) {
    // The element dialogs, the wizards and the templates add their providers here, e.g.
    //   providers.Add(std::make_unique<Dialogs::DialogActions>());
    providers.Add(std::make_unique<TavDialogs::WizardActionsProvider>());
}

} // namespace TavWorkbench::App
