#pragma once
// Registers the providers of the element dialogs, wizards and templates with the workbench.

#include "workbench/ui/ActionProviders.hpp"

namespace TavWorkbench::App {

// Adds every provider this build has; `tav` calls it once at start-up.
void RegisterProviders(Ui::ActionProviders& providers);

} // namespace TavWorkbench::App
