#include "localsearch/IntRangeDom.hpp"

#include "localsearch/ModelError.hpp"

#include <climits>
#include <cstdint>

namespace GLSLib {

IntRangeDom::IntRangeDom(const char* name, int lo, int hi) : IntDom(name), m_hi(hi), m_lo(lo) {
    if (lo > hi) throw ModelError("Empty domain " + GetName());
    if (static_cast<std::int64_t>(hi) - lo + 1 > INT_MAX) throw ModelError("Domain too large " + GetName());
}

} // namespace GLSLib
