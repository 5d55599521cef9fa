#include "localsearch/features/Feature.hpp"

#include "localsearch/Arithmetic.hpp"
#include "localsearch/ClassWideValues.hpp"
#include "localsearch/GGLS.hpp"

#include <cstdint>

namespace GLSLib {

Feature::Feature() : m_id(ClassWide().featureCount) {
    ++ClassWide().featureCount;
}

int Feature::GetUtility() const {
    if (!IsPresent()) return 0;
    const std::int64_t cost = static_cast<std::int64_t>(GetCost()) * GGLS::UtilityScale();
    return SaturateToInt(cost / (static_cast<std::int64_t>(GetPenalty()) + 1));
}

void Feature::SetLambda(int lambda) {
    ClassWide().lambda = lambda;
}

int Feature::GetLambda() {
    return ClassWide().lambda;
}

void Feature::ResetCount() {
    ClassWide().featureCount = 0;
}

} // namespace GLSLib
