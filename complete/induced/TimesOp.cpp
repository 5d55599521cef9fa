#include "complete/induced/TimesOp.hpp"

#include <algorithm>
#include <cstdlib>

namespace GFCLib {

bool TimesOp::Compute(long long a, long long b, long long& r) {
    // Operands are ints: the product fits 64 bits.
    r = a * b;
    return true;
}

} // namespace GFCLib
