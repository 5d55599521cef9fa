#include "localsearch/SetDom.hpp"

namespace GLSLib {

std::ostream& SetDom::Print(std::ostream& os) const {
    os << "{";
    for (std::size_t i = 0; i < m_values.size(); ++i)
        os << (i ? "," : "") << m_values[i];
    return os << "}";
}

} // namespace GLSLib
