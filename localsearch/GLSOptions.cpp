#include "localsearch/GLSOptions.hpp"

#include "localsearch/Minimise.hpp"
#include "localsearch/features/Feature.hpp"
#include "platform/FatalError.hpp"

namespace GLSLib {

void GLSOptions::SetLambda(int lambda) {
    Feature::SetLambda(lambda);
}

void GLSOptions::SetSolverParameter(int id, int value) {
    switch (id) {
    case 1:
        SetLambda(value);
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
        Minimise::SetObjectiveWeight(value);
        break;
    default:
        if (id < 7 || id > 15) throw Platform::ParameterError("Invalid Parameter\n");
        break;
    }
}

} // namespace GLSLib
