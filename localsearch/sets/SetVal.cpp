#include "localsearch/sets/SetVal.hpp"

#include "platform/FatalError.hpp"

#include <algorithm>

namespace GLSLib {

SetVal::SetVal(const std::vector<int>& values) : m_values(values) {
    std::sort(m_values.begin(), m_values.end());
    m_values.erase(std::unique(m_values.begin(), m_values.end()), m_values.end());
    m_cardinality = static_cast<int>(m_values.size());
}

std::ostream& SetVal::Print(std::ostream& os) const {
    os << "{";
    for (std::size_t i = 0; i < m_values.size(); ++i)
        os << (i ? "," : "") << m_values[i];
    return os << "}\n";
}

ExprObj* SetVal::GetArg(int) const {
    throw Platform::InternalError("GetArg of a constant set: it has no arguments");
}

bool SetVal::ContainsValue(int value) const {
    return std::binary_search(m_values.begin(), m_values.end(), value);
}

} // namespace GLSLib
