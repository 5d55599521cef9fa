#include "localsearch/expr/TimesOp.hpp"

#include <algorithm>
#include <climits>

namespace GLSLib {

TimesOp::TimesOp(IntObj* a, IntObj* b) : IntBinOp(a, b), m_upper(INT_MIN), m_lower(INT_MAX) {
    std::vector<int> ps, qs;
    a->GetExtremeCandidates(ps);
    b->GetExtremeCandidates(qs);
    for (int p : ps)
        for (int q : qs) {
            const int product = SaturateToInt(static_cast<std::int64_t>(p) * q);
            m_lower = std::min(m_lower, product);
            m_upper = std::max(m_upper, product);
        }
}

} // namespace GLSLib
