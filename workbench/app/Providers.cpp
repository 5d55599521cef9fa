#include "workbench/app/Providers.hpp"

namespace TavWorkbench::App {

void RegisterProviders(Ui::ActionProviders& providers) {
    // The element dialogs, the wizards and the templates add their providers here, e.g.
    //   providers.Add(std::make_unique<Dialogs::DialogActions>());
    (void)providers;
}

} // namespace TavWorkbench::App
