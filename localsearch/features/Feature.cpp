#include "localsearch/features/Feature.hpp"

#include "localsearch/Arithmetic.hpp"
#include "localsearch/GGLS.hpp"
#include "localsearch/ModelState.hpp"

#include <cstdint>

namespace GLSLib {

Feature::Feature() : m_state(&CurrentState()), m_id(m_state->values.featureCount++) {}

int Feature::Lambda() const {
    return m_state->values.lambda;
}

int Feature::GetUtility() const {
    if (!IsPresent()) return 0;
    const std::int64_t cost = static_cast<std::int64_t>(GetCost()) * GGLS::UtilityScale();
    return SaturateToInt(cost / (static_cast<std::int64_t>(GetPenalty()) + 1));
}

void Feature::SetLambda(int lambda) {
    CurrentState().values.lambda = lambda;
}

int Feature::GetLambda() {
    return CurrentState().values.lambda;
}

void Feature::ResetCount() {
    CurrentState().values.featureCount = 0;
}

} // namespace GLSLib
