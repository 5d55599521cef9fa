#include "extcore/Solution.hpp"

#include <ostream>

namespace Melvane {

void Solution::WriteText(std::ostream& out) const {
    out << m_values.size() << "\n";
    for (const auto& [name, value] : m_values)
        out << name << " " << value << " ";
    out << "cost " << GetCost() << "\n";
    out << "soft " << GetSoftCost() << "\n";
}

void Solution::WriteValues(std::ostream& out) const {
    for (const auto& [name, value] : m_values)
        out << name << " " << value << " ";
    // A cost of -1 is a value like any other when it is set.
    if (m_cost) out << *m_cost << "\n";
    if (m_softCost) out << *m_softCost << "\n";
}

} // namespace Melvane
