#pragma once
// The tabu search engine: a min-conflicts walk with tabu marks over (variable, value) moves.
// A run ends when the problem is satisfied (without objective) or at Stop; each successful
// run returns its best assignment and forbids it with a no-good, so the next run finds
// another. Runs continue from the previous run's solution.

#include "localsearch/GGLS.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/tabu/TabuLocalSearch2.hpp"
#include "localsearch/tabu/TabuStats.hpp"

#include <atomic>
#include <climits>

namespace GLSLib {

class TABU : public GGLS {
public:
    TABU() = default;
    ~TABU() override = default;
    TABU(const TABU&) = delete;
    TABU& operator=(const TABU&) = delete;

    // One run. True with the best assignment of the run written into the variables: the first
    // assignment without violated constraint (no objective), or the one of least objective
    // value plus soft cost among the feasible ones met before Stop (objective, or soft
    // constraints that cannot all hold). False when stopped before any feasible assignment.
    // Throws ModelError when a constraint reads a variable outside the problem.
    bool Solve() override;
    // Always true.
    bool CanImprove(Con*) override { return true; }
    // Objective value (0 without objective) plus soft cost of the best assignment, as every
    // engine reports its cost; 2147483647 when none.
    int GetCost() override;
    // Soft cost of the best assignment; 2147483647 when none.
    int GetSoftCost() override { return m_search.GetBestSoftCost(); }
    // Ends the running Solve after its current iteration; cleared when Solve returns.
    void Stop() override { m_stopRequested.store(true); }
    bool IsSolved() override { return m_search.GetBestObjective() != INT_MAX; }
    // Writes the TabuStats report.
    std::ostream& PrintStatistics(std::ostream& os) override { return m_stats.Print(os); }
    // Id 1 tenure range (>= 1), 2 tenure base (>= 0), 3 approximate evaluation (value != 0),
    // 4 the objective weight; 5 to 14 accepted and ignored. Throws Platform::ParameterError
    // ("Invalid Parameter\n") for any other id, a range below 1 (so both tenure parts 0 are
    // refused) or a negative base; the setting is then unchanged.
    void SetParameter(int id, int value) override;
    GLSCSP* GetCSP() override { return &m_problem; }
    // Told of each new best assignment of a run (the first feasible one, then each better one).
    void SetNewBestCallback(NewBestCallback callback) override { m_onNewBest = std::move(callback); }

    const TabuStats& GetStats() const { return m_stats; }
    TabuLocalSearch2& GetSearch() { return m_search; }

private:
    bool Run();

    TabuLocalSearch2 m_search;
    std::atomic<bool> m_stopRequested{false};
    bool m_firstRun = true;
    // Approximate evaluation: only the constraints violated at the start are considered.
    bool m_approximate = false;
    GLSCSP m_problem;
    TabuStats m_stats;
    // Objective value + soft cost of the stored best of the current run.
    long long m_bestTotal = LLONG_MAX;
    NewBestCallback m_onNewBest;
};

} // namespace GLSLib
