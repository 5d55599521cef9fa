#pragma once
// Solutions that an external solver program sent, once read and checked against the problem
// they were sent for: one value text per problem variable (in the problem's order), and the
// objective's value and the soft cost as the workbench computes them from those values.

#include <optional>
#include <string>
#include <vector>

namespace TavNet {

struct ExternalSolution {
    // As the results view shows a value (TavLanguage::RawValueText): "3" for an integer
    // variable, "{1,4}" for a set variable.
    std::vector<std::string> values;
    // The objective's own value (with its sign); none when the problem has no objective.
    std::optional<long long> cost;
    // Summed weights of the broken soft constraints; none without soft constraints.
    std::optional<long long> softCost;
};

struct ExternalSolutions {
    // The problem's variable names, one column each.
    std::vector<std::string> columns;
    std::vector<ExternalSolution> solutions;
};

} // namespace TavNet
