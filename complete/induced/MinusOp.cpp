#include "complete/induced/MinusOp.hpp"

#include <algorithm>
#include <cstdlib>

namespace GFCLib {

bool MinusOp::Compute(long long a, long long b, long long& r) {
    r = a - b;
    return true;
}

} // namespace GFCLib
