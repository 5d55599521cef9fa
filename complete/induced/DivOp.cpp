#include "complete/induced/DivOp.hpp"

#include <algorithm>
#include <cstdlib>

namespace GFCLib {

bool DivOp::Compute(long long a, long long b, long long& r) {
    if (b == 0) return false;
    r = a / b;
    return true;
}

void DivOp::Bounds(long long loA, long long hiA, long long loB, long long hiB, long long& lo,
                   long long& hi) const {
    (void)loB;
    (void)hiB;
    const long long m = std::max(std::llabs(loA), std::llabs(hiA));
    lo = -m;
    hi = m;
}

} // namespace GFCLib
