#include "localsearch/IntListDom.hpp"

#include "localsearch/ModelError.hpp"

#include <algorithm>
#include <cstdint>
#include <string>

namespace GLSLib {

IntListDom::IntListDom(const char* name, const std::vector<int>& values) : IntDom(name), m_values(values) {
    if (m_values.empty()) throw ModelError("Empty domain " + GetName());
    if (m_values.size() > static_cast<std::size_t>(kMaxSize))
        throw ModelError("Domain too large " + GetName() + ": local search holds at most " +
                         std::to_string(kMaxSize) + " values in a domain");
    std::sort(m_values.begin(), m_values.end());
}

bool IntListDom::IsInterval() const {
    return static_cast<std::int64_t>(Size()) == static_cast<std::int64_t>(Max()) - Min() + 1;
}

int IntListDom::IndexOf(int value) const {
    auto it = std::upper_bound(m_values.begin(), m_values.end(), value);
    if (it == m_values.begin() || *(it - 1) != value) return -1;
    return static_cast<int>(it - m_values.begin()) - 1;
}

} // namespace GLSLib
