#pragma once
// The genetic-algorithm engine: generations of complete assignments bred by truncation
// selection, penalty-weighted crossover and penalty-guided mutation, with guided local
// search's feature penalties raised whenever the best individual stalls.

#include "localsearch/GGLS.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/ga/GAPop.hpp"
#include "localsearch/ga/GASolution.hpp"
#include "localsearch/ga/GAstats.hpp"

#include <atomic>
#include <climits>

namespace GLSLib {

class GGA_ND : public GGLS {
public:
    // An engine with an empty problem; seeds the problem's generator (see GAPop).
    GGA_ND();
    ~GGA_ND() override = default;
    GGA_ND(const GGA_ND&) = delete;
    GGA_ND& operator=(const GGA_ND&) = delete;

    // A fresh population each call. Without an objective: true at the first generation whose
    // best individual violates no hard constraint. With one: true at the end of the first run
    // (maximum generations + 1) that met a feasible individual, with the best feasible one.
    // False when stopped without a solution. The result is written into the variables.
    // Throws Platform::ParameterError when the population settings are inconsistent.
    bool Solve() override;
    // Always false: the genetic algorithm does not judge single constraints.
    bool CanImprove(Con*) override { return false; }
    // Soft cost + objective value of the best solution; 2147483647 when none.
    int GetCost() override;
    // Soft cost of the best solution; 2147483647 when none.
    int GetSoftCost() override;
    // Ends the running Solve at the end of its generation; the request is cleared when Solve
    // returns.
    void Stop() override { m_stopRequested.store(true); }
    bool IsSolved() override { return m_bestCost != INT_MAX; }
    // Writes the GAstats report.
    std::ostream& PrintStatistics(std::ostream& os) override { return m_stats.Print(os); }
    // Ids 1 to 15 (see the parameter table in the source). Throws Platform::ParameterError
    // ("Invalid Parameter\n") for any other id, a population outside 3..1000, a mutation rate
    // outside 0..100 (percent), a pool below 3 or above the population, or a negative number
    // of generations, stall limit, feature cost or lambda; the setting is then unchanged.
    void SetParameter(int id, int value) override;
    GLSCSP* GetCSP() override { return &m_problem; }
    // Told of each new best feasible individual of a run, which is then written into the
    // variables.
    void SetNewBestCallback(NewBestCallback callback) override { m_onNewBest = std::move(callback); }

    const GAstats& GetStats() const { return m_stats; }
    GAPop& GetPopulation() { return m_population; }
    // Copy of the best individual of the latest generation.
    const GASolution& GetBest() const { return m_best; }
    // The solution the latest successful Solve returned.
    const GASolution& GetSolution() const { return m_solution; }

private:
    bool Run();
    // Writes the solution into the variables and counts it; returns true.
    bool Finish();

    std::atomic<bool> m_stopRequested{false};
    GLSCSP m_problem;
    GAstats m_stats;
    GAPop m_population;
    GASolution m_best;
    // The best feasible individual of the latest run: what Solve returns.
    GASolution m_solution;
    int m_bestCost = INT_MAX;
    NewBestCallback m_onNewBest;
};

} // namespace GLSLib
