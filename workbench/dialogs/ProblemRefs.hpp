#pragma once
// The collections a dialog checks and fills: the document's (or the wizard's) domains,
// variables, constraints and constants, and the language's keywords. The dialog never keeps a
// copy of them.

#include "workbench/model/CConArray.hpp"
#include "workbench/model/CConstArray.hpp"
#include "workbench/model/CDomainArray.hpp"
#include "workbench/model/CKeyWords.hpp"
#include "workbench/model/CVarArray.hpp"
#include "workbench/model/TavModel.hpp"

namespace TavDialogs {

struct ProblemRefs {
    TavWorkbench::CDomainArray& domains;
    TavWorkbench::CVarArray& variables;
    TavWorkbench::CConArray& constraints;
    TavWorkbench::CConstArray& constants;
    const TavWorkbench::CKeyWords& keyWords;

    static ProblemRefs Of(TavWorkbench::TavModel& model, const TavWorkbench::CKeyWords& keyWords) {
        return {model.domains, model.variables, model.constraints, model.constants, keyWords};
    }
};

} // namespace TavDialogs
