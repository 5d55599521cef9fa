#include "complete/induced/TimesOp.hpp"

#include <algorithm>
#include <cstdlib>

namespace GFCLib {

bool TimesOp::Apply(long long a, long long b, long long& r) const {
    r = a * b;
    return InIntRange(r);
}

} // namespace GFCLib
