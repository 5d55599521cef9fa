#include "complete/induced/PlusOp.hpp"

#include <algorithm>
#include <cstdlib>

namespace GFCLib {

bool PlusOp::Compute(long long a, long long b, long long& r) {
    r = a + b;
    return true;
}

} // namespace GFCLib
