#include "complete/induced/PowerOp.hpp"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace GFCLib {

bool PowerOp::Compute(long long a, long long b, long long& r) {
    if (b < 0) {
        // The real power truncated toward zero: only 1 and -1 keep an integer part (and 0 to a
        // negative power gives 0, as the other solvers have it).
        r = a == 1 ? 1 : a == -1 ? (b % 2 == 0 ? 1 : -1) : 0;
        return true;
    }
    long long result = 1;
    for (long long i = 0; i < b; ++i) {
        result *= a;
        if (!InIntRange(result)) {
            // Beyond the int range for good (|a| >= 2 from here on): keep only the sign.
            const bool negative = a < 0 && b % 2 != 0;
            r = negative ? kMinInt - 1 : kMaxInt + 1;
            return true;
        }
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
    // The largest magnitudes come from the extreme bases at the largest exponents of either
    // parity; the smallest from the bases nearest 0 and the smallest exponents.
    lo = kMaxInt + 1;
    hi = kMinInt - 1;
    std::vector<long long> bases = {loA, hiA};
    for (long long v : {-1LL, 0LL, 1LL})
        if (v > loA && v < hiA) bases.push_back(v);
    std::vector<long long> exponents = {loB, hiB};
    if (loB + 1 <= hiB) exponents.push_back(loB + 1);
    if (hiB - 1 >= loB) exponents.push_back(hiB - 1);
    if (loB < 0 && hiB >= 0) exponents.push_back(0);
    for (long long x : bases)
        for (long long y : exponents) {
            long long r = 0;
            if (!Compute(x, y, r)) continue;
            lo = std::min(lo, r);
            hi = std::max(hi, r);
        }
}

} // namespace GFCLib
