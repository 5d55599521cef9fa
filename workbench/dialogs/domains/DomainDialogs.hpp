#pragma once
// Running the domain dialogs for one domain: the choice of a new domain's type followed by its
// dialog, or the dialog that matches an existing domain's type.

#include "workbench/dialogs/DialogHost.hpp"
#include "workbench/dialogs/DialogMode.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"
#include "workbench/model/CDomain.hpp"

#include <memory>

namespace TavDialogs {

// "Integer" opens the integer domain dialog, "Set" the set domain dialog; the domain accepted,
// or null when any step was cancelled.
std::unique_ptr<TavWorkbench::CDomain> RunNewDomainDialogs(DialogHost& host, ProblemRefs refs);

// The dialog of the domain at `index` by its type (enumerated, integer, float, set) in `mode`
// (Edit or ViewOnly); the domain accepted in Edit mode, else null. A Boolean domain has none.
std::unique_ptr<TavWorkbench::CDomain> RunDomainDialog(DialogHost& host, ProblemRefs refs, int index,
                                                       DialogMode mode);

} // namespace TavDialogs
