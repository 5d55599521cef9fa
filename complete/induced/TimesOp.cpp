#include "complete/induced/TimesOp.hpp"

#include <algorithm>
#include <cstdlib>

namespace GFCLib {

bool TimesOp::Compute(long long a, long long b, long long& r) {
    r = a * b;
    return InIntRange(r);
}

} // namespace GFCLib
