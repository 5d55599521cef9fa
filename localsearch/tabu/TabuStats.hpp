#pragma once
// Run counters of tabu search and their labelled report.

#include "platform/CpuClock.hpp"

#include <cstdint>
#include <ostream>

namespace GLSLib {

class TabuStats {
public:
    virtual ~TabuStats() = default;

    // Start time := the processor clock now (the first run's start).
    void StartTimer() { m_startTime = Platform::Clock(); }
    void IncIterations() { ++m_iterations; }
    // Violated considered constraints after the latest iteration.
    void SetViolations(std::uint32_t count) { m_violations = count; }
    // Objective value of the latest stored solution; the best over the runs is kept too.
    void SetCost(int cost);
    // Counts a completed run, successful or not.
    void IncSolutions() { ++m_solutions; }
    // Writes the labelled report; returns the stream.
    std::ostream& Print(std::ostream& os) const;

    std::uint32_t GetSolutions() const { return m_solutions; }
    std::uint64_t GetIterations() const { return m_iterations; }
    std::uint32_t GetViolations() const { return m_violations; }
    bool IsCostKnown() const { return m_costKnown; }
    int GetCurrentCost() const { return m_currentCost; }
    int GetBestCostOverRun() const { return m_bestCostOverRun; }

private:
    std::uint32_t m_solutions = 0;
    std::uint64_t m_iterations = 0;
    std::uint32_t m_violations = 0;
    int m_currentCost = 0;
    int m_bestCostOverRun = 0;
    Platform::ClockTicks m_startTime = Platform::Clock();
    bool m_costKnown = false;
    bool m_bestKnown = false;
};

} // namespace GLSLib
