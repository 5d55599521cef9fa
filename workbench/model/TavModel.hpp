#pragma once
// The whole problem model of a document, as a ".tav" file holds it: domains, variables,
// constraints, constants and the optimisation target (element 0; empty for none).

#include "workbench/model/CConArray.hpp"
#include "workbench/model/CConstArray.hpp"
#include "workbench/model/CDomainArray.hpp"
#include "workbench/model/CVarArray.hpp"

#include <string>
#include <vector>

namespace TavWorkbench {

struct TavModel {
    CDomainArray domains;
    CVarArray variables;
    CConArray constraints;
    CConstArray constants;
    std::vector<std::string> optimisation;

    // Deletes every element.
    void Clear() {
        domains.RemoveAll();
        variables.RemoveAll();
        constraints.RemoveAll();
        constants.RemoveAll();
        optimisation.clear();
    }
    // Deletes this model's elements and takes over every element of `other`, which is left
    // empty; the arrays themselves stay where they are.
    void TakeFrom(TavModel& other) {
        domains.TakeFrom(other.domains);
        variables.TakeFrom(other.variables);
        constraints.TakeFrom(other.constraints);
        constants.TakeFrom(other.constants);
        optimisation = std::move(other.optimisation);
        other.optimisation.clear();
    }
};

} // namespace TavWorkbench
