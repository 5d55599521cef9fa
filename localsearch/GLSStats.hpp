#pragma once
// Run counters of a guided-local-search engine, printed as a labelled report for people and
// as a one-line tab-separated record. Counters accumulate over every run of the engine.

#include "platform/CpuClock.hpp"

#include <cstdint>
#include <ostream>

namespace GLSLib {

class GLSStats {
public:
    // Writes the one-line record (no line end); returns the stream.
    virtual std::ostream& WriteRecord(std::ostream& os) const;
    virtual ~GLSStats() = default;

    // Start time := the processor clock now.
    void StartTimer() { m_startTime = Platform::Clock(); }
    void IncMoves() { ++m_moves; }
    void IncSideways() {
        ++m_sideways;
        ++m_currentSidewaysRun;
    }
    // Closes the current sideways run, then counts a downward move.
    void IncDownwards();
    void IncAttempts() { ++m_attempts; }
    void IncLocalMinima() { ++m_localMinima; }
    void IncPenaltyChanges() { ++m_penaltyChanges; }
    void IncSolutionsFound() { ++m_solutionsFound; }
    std::uint32_t GetSolutionsFound() const { return m_solutionsFound; }
    void SetBestCost(int cost) {
        m_bestCost = cost;
        m_bestCostSet = true;
    }
    void SetBestViolation(std::uint32_t count) { m_bestViolationCount = count; }
    std::uint32_t GetBestViolation() const { return m_bestViolationCount; }

    // Writes the labelled report.
    friend std::ostream& operator<<(std::ostream& os, const GLSStats& stats);

private:
    int m_bestCost = -1;
    std::uint32_t m_bestViolationCount = 4294967295u;
    std::uint32_t m_solutionsFound = 0;
    std::uint32_t m_currentSidewaysRun = 0;
    std::uint32_t m_sidewaysRuns = 0;
    double m_meanRunLength = 0.0;
    std::uint32_t m_shortestRun = 4294967295u;
    std::uint32_t m_longestRun = 0;
    double m_sumSquaredRunLengths = 0.0;
    std::uint32_t m_restarts = 0;
    std::uint32_t m_penaltyChanges = 0;
    std::uint32_t m_localMinima = 0;
    std::uint32_t m_moves = 0;
    std::uint32_t m_sideways = 0;
    std::uint32_t m_downwards = 0;
    std::uint32_t m_attempts = 0;
    Platform::ClockTicks m_startTime = 0;
    Platform::ClockTicks m_stopTime = 0;
    bool m_bestCostSet = false;
};

} // namespace GLSLib
