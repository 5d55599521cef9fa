#include "localsearch/expr/Power.hpp"

#include "localsearch/Arithmetic.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace GLSLib {

int Power::Apply(int base, int exponent) {
    return ConvertPowerResult(std::pow(static_cast<double>(base), static_cast<double>(exponent)));
}

Power::Power(IntObj* base, IntObj* exponent)
    : IntUnaryOp(base), m_upper(INT_MIN), m_lower(INT_MAX), m_exponent(exponent) {
    int e0 = 0;
    try {
        e0 = exponent->GetValue();
    } catch (const Undef&) {
        // An exponent without a value yet gives no estimate: the whole int range.
        m_lower = INT_MIN;
        m_upper = INT_MAX;
        return;
    }
    std::vector<int> ps;
    base->GetExtremeCandidates(ps);
    for (int p : ps) {
        const int value = Apply(p, e0);
        m_lower = std::min(m_lower, value);
        m_upper = std::max(m_upper, value);
    }
}

} // namespace GLSLib
