#pragma once
// Run counters of the genetic algorithm and their labelled report.

#include "platform/CpuClock.hpp"

#include <climits>
#include <cstdint>
#include <ostream>

namespace GLSLib {

class GAstats {
public:
    virtual ~GAstats() = default;

    // Start time := the processor clock now.
    void StartTimer() { m_startTime = Platform::Clock(); }
    void IncSolutions() { ++m_solutions; }
    void IncRestarts() { ++m_restarts; }
    void SetGeneration(int generation) { m_generation = static_cast<std::uint32_t>(generation); }
    void SetBestViolations(std::uint32_t count) { m_bestViolations = count; }
    // Objective value of the best solution of the latest run (2147483647: none).
    void SetBestCost(int cost) { m_bestCostOfRun = cost; }
    // Records the outcome of a run that ended: the first time, and afterwards when violations
    // is below the best recorded count.
    void RecordRun(std::uint32_t violations, int cost);
    // Writes the labelled report; returns the stream.
    std::ostream& Print(std::ostream& os) const;

    std::uint32_t GetSolutions() const { return m_solutions; }
    std::uint32_t GetRestarts() const { return m_restarts; }
    std::uint32_t GetGeneration() const { return m_generation; }
    std::uint32_t GetBestViolations() const { return m_bestViolations; }
    int GetBestCost() const { return m_bestCostOfRun; }
    bool IsOverRunsKnown() const { return m_overRunsKnown; }
    std::uint32_t GetBestViolationsOverRuns() const { return m_bestViolationsOverRuns; }
    int GetBestCostOverRuns() const { return m_bestCostOverRuns; }

private:
    std::uint32_t m_solutions = 0;
    std::uint32_t m_restarts = 0;
    std::uint32_t m_generation = 0;
    std::uint32_t m_bestViolations = 0;
    // Costs are signed: an objective may be negative.
    int m_bestCostOfRun = INT_MAX;
    std::uint32_t m_bestViolationsOverRuns = 4294967295u;
    int m_bestCostOverRuns = INT_MAX;
    Platform::ClockTicks m_startTime = Platform::Clock();
    bool m_overRunsKnown = false;
};

} // namespace GLSLib
