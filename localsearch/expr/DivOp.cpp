#include "localsearch/expr/DivOp.hpp"

#include <algorithm>
#include <climits>
#include <vector>

namespace GLSLib {

DivOp::DivOp(IntObj* a, IntObj* b) : IntBinOp(a, b), m_upper(INT_MIN), m_lower(INT_MAX) {
    std::vector<int> ps, qs;
    a->GetExtremeCandidates(ps);
    b->GetExtremeCandidates(qs);
    for (int p : ps)
        for (int q : qs) {
            if (q == 0) continue;
            const int quotient = SaturateToInt(static_cast<std::int64_t>(p) / q);
            m_lower = std::min(m_lower, quotient);
            m_upper = std::max(m_upper, quotient);
        }
}

} // namespace GLSLib
