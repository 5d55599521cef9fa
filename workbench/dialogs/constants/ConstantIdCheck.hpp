#pragma once
// The id checks of the constant dialogs: present, then no clash with another constant, a
// domain, a variable, a constraint or a keyword (ignoring case; the edited constant skipped).

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"

#include <string>

namespace TavDialogs {

// `emptyMessage` is the dialog's text for an empty id.
bool CheckConstantID(const std::string& id, int ownIndex, const ProblemRefs& refs,
                     const std::string& emptyMessage, DialogMessages& messages);

} // namespace TavDialogs
