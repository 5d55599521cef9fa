#pragma once
// Statistics record of the forward-checking search: owned by the caller, filled by the search,
// printed with operator<< in the labelled format of the statistics printout.

#include "platform/CpuClock.hpp"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace GFCLib {

class GFCStats {
public:
    GFCStats() = default;

    // Replaces the ordering name; null clears it.
    void SetOrderingName(const char* name);
    const char* GetOrderingName() const { return m_hasOrderingName ? m_orderingName.c_str() : nullptr; }
    void AppendInitialDomainSize(int size) { m_initialDomainSizes.push_back(size); }
    // The size recorded for search position index; 0 when out of range.
    int GetInitialDomainSize(int index) const;
    void SetThrashingDetected() { m_thrashingDetected = true; }
    bool IsThrashingDetected() const { return m_thrashingDetected; }
    // Stores and returns the CPU clock (milliseconds).
    Platform::ClockTicks StartClock();
    Platform::ClockTicks StopClock();
    void CountNode() { ++m_nodes; }
    void CountInducedNode() { ++m_inducedNodes; }
    void CountBacktrack() { ++m_backtracks; }
    void CountSolution() { ++m_solutions; }
    // Adds n runs of constraints by the propagation.
    void CountPropagations(std::int64_t n) { m_propagations += n; }
    void SetDeepest(int level) { m_deepest = level; }
    void SetLevel(int level) { m_level = level; }
    void SetThreshold(float threshold) { m_threshold = threshold; }
    void SetLevelCount(int count) { m_levelCount = count; }

    std::int32_t GetNodes() const { return m_nodes; }
    std::int32_t GetInducedNodes() const { return m_inducedNodes; }
    std::int32_t GetBacktracks() const { return m_backtracks; }
    std::int32_t GetSolutions() const { return m_solutions; }
    std::int64_t GetPropagations() const { return m_propagations; }
    int GetDeepest() const { return m_deepest; }
    int GetLevel() const { return m_level; }
    float GetThreshold() const { return m_threshold; }
    int GetLevelCount() const { return m_levelCount; }
    Platform::ClockTicks GetStartClock() const { return m_startClock; }
    Platform::ClockTicks GetStopClock() const { return m_stopClock; }

    friend std::ostream& operator<<(std::ostream& os, const GFCStats& stats);

private:
    bool m_hasOrderingName = false;
    std::string m_orderingName;
    Platform::ClockTicks m_startClock = 0;
    Platform::ClockTicks m_stopClock = 0;
    std::int32_t m_nodes = 0;
    std::int32_t m_inducedNodes = 0;
    std::int32_t m_backtracks = 0;
    std::int32_t m_solutions = 0;
    std::int64_t m_propagations = 0;
    std::vector<int> m_initialDomainSizes;
    bool m_thrashingDetected = false;
    int m_deepest = 0;
    int m_level = 0;
    float m_threshold = 0.0f;
    int m_levelCount = 0;
};

// The statistics printout: "Algorithm: GFC", the ordering, the time and the counters (the
// propagation runs only when there were any).
std::ostream& operator<<(std::ostream& os, const GFCStats& stats);

} // namespace GFCLib
