#include "localsearch/BinArithIntCon.hpp"

#include "localsearch/GGLS.hpp"
#include "localsearch/ModelState.hpp"
#include "localsearch/features/NumericFeature.hpp"

#include <cstdint>

namespace GLSLib {

Feature* BinArithIntCon::CreateFeature() {
    if (IsArithmetic()) return new NumericFeature(this, State().values.currentEngine);
    return Con::CreateFeature();
}

double BinArithIntCon::ScaledViolation(double distance) {
    // Wide integers, so that large distances stay below 1100 instead of wrapping.
    const std::int64_t d =
        distance >= 9.0e15 ? static_cast<std::int64_t>(9.0e15) : static_cast<std::int64_t>(distance);
    const std::int64_t a = kDistanceFactor * d;
    const std::int64_t b = (kDistanceFactor + 1) * d;
    return GGLS::UtilityScale() * static_cast<double>(b) / static_cast<double>(a + 1);
}

double BinArithIntCon::GetViolation() const {
    const DistanceResult distance = GetDistance();
    return distance ? ScaledViolation(*distance) : GetMaxViolation();
}

} // namespace GLSLib
