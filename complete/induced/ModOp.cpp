#include "complete/induced/ModOp.hpp"

#include <algorithm>
#include <cstdlib>

namespace GFCLib {

bool ModOp::Compute(long long a, long long b, long long& r) {
    if (b == 0) return false;
    r = a % b;
    return true;
}

void ModOp::Bounds(long long loA, long long hiA, long long loB, long long hiB, long long& lo,
                   long long& hi) const {
    const long long m = std::max(std::llabs(loB), std::llabs(hiB)) - 1;
    lo = loA < 0 ? -m : 0;
    hi = hiA > 0 ? m : 0;
}

} // namespace GFCLib
