#include "complete/GFCStats.hpp"

#include <ostream>

namespace GFCLib {

void GFCStats::SetOrderingName(const char* name) {
    m_hasOrderingName = name != nullptr;
    m_orderingName = name != nullptr ? name : "";
}

int GFCStats::GetInitialDomainSize(int index) const {
    if (index < 0 || index >= static_cast<int>(m_initialDomainSizes.size())) return 0;
    return m_initialDomainSizes[static_cast<std::size_t>(index)];
}

Platform::ClockTicks GFCStats::StartClock() {
    return m_startClock = Platform::Clock();
}
Platform::ClockTicks GFCStats::StopClock() {
    return m_stopClock = Platform::Clock();
}

std::ostream& operator<<(std::ostream& os, const GFCStats& stats) {
    os << "Algorithm: GFC" << std::endl;
    if (stats.m_hasOrderingName) os << "Variable Ordering:    " << stats.m_orderingName << "\n";
    double elapsed = static_cast<double>(stats.m_stopClock - stats.m_startClock) / 1000.0;
    if (!(elapsed > 0.0)) elapsed = static_cast<double>(Platform::Clock() - stats.m_startClock) / 1000.0;
    os << "Time taken (CPU seconds):" << elapsed << std::endl;
    os << "Node count:           " << stats.m_nodes << std::endl;
    os << "Induced node count:   " << stats.m_inducedNodes << std::endl;
    os << "Backtracks:           " << stats.m_backtracks << std::endl;
    os << "Solutions:            " << stats.m_solutions << std::endl;
    if (stats.m_propagations > 0) os << "Propagations:         " << stats.m_propagations << std::endl;
    os << "Deepest: " << stats.m_deepest << std::endl;
    os << "Thrashing check" << std::endl;
    os << "\t"
       << "Level: " << stats.m_level << "\n";
    os << "\t"
       << "Level count: " << stats.m_levelCount << "\n";
    os << "\t"
       << "Threshold: " << static_cast<int>(stats.m_threshold) << "\n";
    if (stats.m_thrashingDetected) os << "Thrashing detected!" << std::endl;
    return os;
}

} // namespace GFCLib
