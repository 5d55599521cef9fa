#include "extcore/Solutions.hpp"

#include <ostream>

namespace Melvane {

void Solutions::WriteText(std::ostream& out) const {
    out << m_solutions.size() << "\n";
    for (const Solution& solution : m_solutions) {
        out << "<S>\n";
        solution.WriteText(out);
        out << "\n";
    }
}

void Solutions::WriteReport(std::ostream& out) const {
    if (m_solutions.empty()) {
        out << "No solutions\n";
        return;
    }
    for (const Solution& solution : m_solutions) {
        out << "Solution\t" << solution.GetRunNumber() << ":";
        solution.WriteValues(out);
        out << "\n";
    }
}

} // namespace Melvane
