#include "complete/induced/TimesOp.hpp"

#include <algorithm>
#include <climits>

namespace GFCLib {

namespace {
long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0))) --q;
    return q;
}
long long CeilDiv(long long a, long long b) {
    long long q = a / b;
    if (a % b != 0 && ((a < 0) == (b < 0))) ++q;
    return q;
}
} // namespace

bool TimesOp::Compute(long long a, long long b, long long& r) {
    // Operands are ints: the product fits 64 bits.
    r = a * b;
    return true;
}

bool TimesOp::Solve(bool xFirst, long long zLo, long long zHi, long long oLo, long long oHi, long long& lo,
                    long long& hi, bool& notZero) const {
    (void)xFirst;
    notZero = zLo > 0 || zHi < 0;
    // o = 0 gives 0 whatever x is.
    if (!notZero && oLo <= 0 && oHi >= 0) return false;
    lo = LLONG_MAX;
    hi = LLONG_MIN;
    // Over a part of o that keeps one sign, z / o is extreme at the corners.
    const auto part = [&](long long pLo, long long pHi) {
        if (pLo > pHi) return;
        long long partLo = LLONG_MAX;
        long long partHi = LLONG_MIN;
        for (long long z : {zLo, zHi})
            for (long long p : {pLo, pHi}) {
                partLo = std::min(partLo, CeilDiv(z, p));
                partHi = std::max(partHi, FloorDiv(z, p));
            }
        if (partLo > partHi) return;
        lo = std::min(lo, partLo);
        hi = std::max(hi, partHi);
    };
    part(oLo, std::min(oHi, -1LL));
    part(std::max(oLo, 1LL), oHi);
    if (lo > hi) {
        lo = 1;
        hi = 0;
    }
    return true;
}

} // namespace GFCLib
