#include "localsearch/GLSOptions.hpp"

#include "localsearch/ModelState.hpp"
#include "platform/FatalError.hpp"

namespace GLSLib {

void GLSOptions::SetSolverParameter(int id, int value, ModelValues& problemValues) {
    switch (id) {
    case 1:
        problemValues.lambda = value;
        break;
    case 2:
        SetApproxEvaluation(value != 0);
        break;
    case 3:
        SetLearning(value != 0);
        break;
    case 4:
        SetDeltaUpdate(value != 0);
        break;
    case 5:
        SetSeed(value);
        break;
    case 6:
        problemValues.objectiveWeight = value;
        break;
    default:
        if (id < 7 || id > 15) throw Platform::ParameterError("Invalid Parameter\n");
        break;
    }
}

} // namespace GLSLib
