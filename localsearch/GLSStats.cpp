#include "localsearch/GLSStats.hpp"

#include <cmath>
#include <iomanip>

namespace GLSLib {

void GLSStats::IncDownwards() {
    const std::uint32_t r = m_currentSidewaysRun;
    if (r > 0) {
        const double n = m_sidewaysRuns;
        m_meanRunLength = (n * m_meanRunLength + r) / (n + 1);
        if (r < m_shortestRun) m_shortestRun = r;
        if (r > m_longestRun) m_longestRun = r;
        m_sumSquaredRunLengths += static_cast<double>(r * r);
        ++m_sidewaysRuns;
    }
    m_currentSidewaysRun = 0;
    ++m_downwards;
}

namespace {

std::ostream& Label(std::ostream& os, const char* label) {
    return os << std::setw(27) << std::left << label;
}

} // namespace

std::ostream& operator<<(std::ostream& os, const GLSStats& stats) {
    const Platform::ClockTicks elapsed = stats.m_stopTime - stats.m_startTime;
    const double seconds = elapsed > 0 ? elapsed / 1000.0 : (Platform::Clock() - stats.m_startTime) / 1000.0;
    Label(os, "Algorithm: GLS") << std::endl;
    Label(os, "Time taken (CPU seconds):") << seconds << std::endl;
    Label(os, "No. solutions found:") << stats.m_solutionsFound << std::endl;
    Label(os, "Best violation count so far:") << stats.m_bestViolationCount << std::endl;
    if (stats.m_bestCostSet) Label(os, "Best solution cost so far:") << stats.m_bestCost << std::endl;
    Label(os, "Repairs:") << std::endl;
    Label(os, "\tMoves:") << stats.m_moves << std::endl;
    Label(os, "\tDownwards:") << stats.m_downwards << std::endl;
    Label(os, "\tSideways:") << stats.m_sideways << std::endl;
    Label(os, "\tAttempts:") << stats.m_attempts << std::endl;
    Label(os, "Restarts:") << stats.m_restarts << std::endl;
    Label(os, "Local minima:") << std::endl;
    Label(os, "\tNumber:") << stats.m_localMinima << std::endl;
    Label(os, "\tPenalty changes:") << stats.m_penaltyChanges << std::endl;
    return os;
}

std::ostream& GLSStats::WriteRecord(std::ostream& os) const {
    const double deviation =
        m_sidewaysRuns > 0
            ? std::sqrt(m_sumSquaredRunLengths / m_sidewaysRuns - m_meanRunLength * m_meanRunLength)
            : 0.0;
    os << (m_stopTime - m_startTime) / 1000.0;
    os << "\t" << m_solutionsFound << "\t" << m_downwards << "\t" << m_sideways << "\t" << m_moves << "\t"
       << m_attempts << "\t" << m_restarts << "\t" << m_localMinima << "\t" << m_penaltyChanges << "\t"
       << m_sidewaysRuns << "\t" << m_shortestRun << "\t" << m_longestRun << "\t" << m_meanRunLength << "\t"
       << deviation << "\t";
    return os;
}

} // namespace GLSLib
