#include "localsearch/IntRangeDom.hpp"

#include "localsearch/ModelError.hpp"

#include <climits>
#include <cstdint>
#include <string>

namespace GLSLib {

IntRangeDom::IntRangeDom(const char* name, int lo, int hi) : IntDom(name), m_hi(hi), m_lo(lo) {
    if (lo > hi) throw ModelError("Empty domain " + GetName());
    if (static_cast<std::int64_t>(hi) - lo + 1 > kMaxSize)
        throw ModelError("Domain too large " + GetName() + ": local search holds at most " +
                         std::to_string(kMaxSize) + " values in a domain");
}

} // namespace GLSLib
