#include "localsearch/ClassWideValues.hpp"

namespace GLSLib {

ClassWideValues& ClassWide() {
    static ClassWideValues values;
    return values;
}

void ResetForNewProblem() {
    ClassWideValues& values = ClassWide();
    const ClassWideValues start;
    values.constraintWeight = start.constraintWeight;
    values.bestObjective = start.bestObjective;
    values.currentEngine = nullptr;
    values.variableCount = 0;
    values.constraintCount = 0;
    values.featureCount = 0;
}

void ResetAllClassWideValues() {
    ClassWide() = ClassWideValues();
}

} // namespace GLSLib
