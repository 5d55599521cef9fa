#include "localsearch/expr/IndexOp.hpp"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace GLSLib {

IndexOp::IndexOp(IntObj* index, const std::vector<int>& values)
    : IntUnaryOp(index), m_upper(INT_MIN), m_lower(INT_MAX), m_values(values) {
    const std::int64_t first = std::max<std::int64_t>(index->GetMin(), 0);
    const std::int64_t end = std::min<std::int64_t>(static_cast<std::int64_t>(m_values.size()),
                                                    static_cast<std::int64_t>(index->GetMax()) + 1);
    for (std::int64_t j = first; j < end; ++j) {
        m_lower = std::min(m_lower, m_values[static_cast<std::size_t>(j)]);
        m_upper = std::max(m_upper, m_values[static_cast<std::size_t>(j)]);
    }
}

} // namespace GLSLib
