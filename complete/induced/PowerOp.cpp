#include "complete/induced/PowerOp.hpp"

#include <algorithm>
#include <cstdlib>

namespace GFCLib {

bool PowerOp::Compute(long long a, long long b, long long& r) {
    if (b < 0) return false;
    long long result = 1;
    for (long long i = 0; i < b; ++i) {
        result *= a;
        if (!InIntRange(result)) return false;
        if (result == 0 || result == 1) {
            // 0 and 1 stay put; -1 alternates, so finish by parity.
            break;
        }
        if (result == -1) {
            result = ((b - i - 1) % 2 == 0) ? -1 : 1;
            break;
        }
    }
    r = result;
    return true;
}

void PowerOp::Bounds(long long loA, long long hiA, long long loB, long long hiB, long long& lo,
                     long long& hi) const {
    (void)loB;
    (void)hiB;
    const long long m = std::max(std::llabs(loA), std::llabs(hiA));
    lo = m > 1 ? kMinInt : -1;
    hi = m > 1 ? kMaxInt : 1;
}

} // namespace GFCLib
