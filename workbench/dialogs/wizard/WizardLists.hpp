#pragma once
// What every page of the problem wizard works on: the wizard's own lists (constants, domains,
// variables, constraints) until Finish hands them to the document, the language's keywords,
// the constraint templates, and the host that runs the element dialogs and shows the boxes.

#include "workbench/dialogs/DialogHost.hpp"
#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"
#include "workbench/model/CAvConArray.hpp"

namespace TavDialogs {

struct WizardLists {
    TavWorkbench::TavModel& model;
    const TavWorkbench::CKeyWords& keyWords;
    const TavWorkbench::CAvConArray& templates;
    DialogHost& host;
    DialogMessages& messages;

    ProblemRefs Refs() const { return ProblemRefs::Of(model, keyWords); }
};

} // namespace TavDialogs
