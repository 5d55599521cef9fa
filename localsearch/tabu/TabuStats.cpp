#include "localsearch/tabu/TabuStats.hpp"

namespace GLSLib {

void TabuStats::SetCost(int cost) {
    m_currentCost = cost;
    m_costKnown = true;
    if (!m_bestKnown || cost < m_bestCostOverRun) {
        m_bestCostOverRun = cost;
        m_bestKnown = true;
    }
}

std::ostream& TabuStats::Print(std::ostream& os) const {
    os << "Algorithm: Tabu Search" << std::endl;
    os << "Time taken (CPU seconds):" << static_cast<double>(Platform::Clock() - m_startTime) / 1000.0
       << std::endl;
    os << "Number of solutions:" << m_solutions << std::endl;
    os << "Number of iterations:" << m_iterations << std::endl;
    os << "Number of violations:" << m_violations << std::endl;
    if (m_costKnown) {
        os << "Current solution cost:" << m_currentCost << std::endl;
        os << "Best solution cost over run:" << m_bestCostOverRun << std::endl;
    }
    return os;
}

} // namespace GLSLib
