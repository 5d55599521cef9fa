#include "localsearch/ga/GAstats.hpp"

namespace GLSLib {

void GAstats::RecordRun(std::uint32_t violations, int cost) {
    if (m_overRunsKnown && violations >= m_bestViolationsOverRuns) return;
    m_bestViolationsOverRuns = violations;
    m_bestCostOverRuns = cost;
    m_overRunsKnown = true;
}

std::ostream& GAstats::Print(std::ostream& os) const {
    os << "Algorithm: Genetic Algorithm" << std::endl;
    os << "Time taken (CPU seconds):" << static_cast<double>(Platform::Clock() - m_startTime) / 1000.0
       << std::endl;
    os << "Number of solutions:" << m_solutions << std::endl;
    os << "Number of times GA restarted:" << m_restarts << std::endl;
    os << "Generation number of current run:" << m_generation << std::endl;
    os << "No of hard constraint violations in best solution:" << m_bestViolations << std::endl;
    if (m_bestViolations == 0) os << "best cost " << m_bestCostOfRun << std::endl;
    if (m_overRunsKnown) {
        os << "Best violation count over all runs:" << m_bestViolationsOverRuns << std::endl;
        if (m_bestViolationsOverRuns == 0) os << "Best cost over all runs" << m_bestCostOverRuns << std::endl;
    }
    return os;
}

} // namespace GLSLib
