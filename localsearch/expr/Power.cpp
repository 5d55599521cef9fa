#include "localsearch/expr/Power.hpp"

#include "localsearch/Arithmetic.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace GLSLib {

IntResult Power::Apply(int base, int exponent) {
    // Every power inside the int range is exact in a double; a negative exponent gives a
    // fraction, truncated toward zero.
    const double value = std::pow(static_cast<double>(base), static_cast<double>(exponent));
    if (!std::isfinite(value) || value >= 2147483648.0 || value <= -2147483649.0) return std::nullopt;
    return static_cast<int>(value);
}

Power::Power(IntObj* base, IntObj* exponent)
    : IntUnaryOp(base), m_upper(INT_MIN), m_lower(INT_MAX), m_exponent(exponent) {
    const IntResult exponentNow = exponent->Value();
    if (!exponentNow) {
        // An exponent without a value yet gives no estimate: the whole int range.
        m_lower = INT_MIN;
        m_upper = INT_MAX;
        return;
    }
    const int e0 = *exponentNow;
    std::vector<int> ps;
    base->GetExtremeCandidates(ps);
    for (int p : ps) {
        const double exact = std::pow(static_cast<double>(p), static_cast<double>(e0));
        const int value = std::isnan(exact) ? 0 : TruncateToInt(exact);
        m_lower = std::min(m_lower, value);
        m_upper = std::max(m_upper, value);
    }
}

} // namespace GLSLib
