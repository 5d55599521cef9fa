#include "tools/tav-solve/SolutionWriter.hpp"

#include "language/raw/RawValueText.hpp"

using namespace TavLanguage;

namespace TavSolve {

std::string FormatSolution(const RawSolution& solution, int k) {
    std::string line = "solution " + std::to_string(k) + ":";
    for (const RawLabel& label : solution.GetLabels()) {
        line += " " + label.GetName() + "=";
        if (label.GetValue()) line += RawValueText(*label.GetValue());
    }
    if (solution.GetCost().GetValue()) line += " cost=" + RawValueText(*solution.GetCost().GetValue());
    if (solution.GetSoftCost().GetValue())
        line += " soft=" + RawValueText(*solution.GetSoftCost().GetValue());
    return line;
}

} // namespace TavSolve
