#pragma once
// Graph-based guided local search: the value of every candidate move is read from tables
// kept up to date after every move and penalty (LocalSearchGraph), moves are drawn from the
// lists of improving and sideways moves or found by sweeping over the variables, and at local
// minima the features of largest utility are penalised. One Solve finds at most one solution;
// a NoGood then forbids it, so that the next Solve finds another.

#include "localsearch/GGLS.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/GLSOptions.hpp"
#include "localsearch/GLSStats.hpp"
#include "localsearch/glsnds/LocalSearchGraph.hpp"

#include <atomic>
#include <climits>

namespace GLSLib {

class GLS_NDS : public GGLS {
public:
    // An engine over an empty problem of its own; numeric features of that problem ask it.
    GLS_NDS();

    // One run; true when a verified solution is in the variables: the first one found for a
    // satisfaction problem, the best one found before Stop for an optimisation problem.
    bool Solve() override;
    // Whether a change of one of c's variables that the search could make lowers c's cost.
    bool CanImprove(Con* c) override { return m_firstRun || m_search.CanImprove(c); }
    // The best cost: objective value plus soft cost (-1 for a pure satisfaction problem);
    // 2147483647 when none.
    int GetCost() override { return m_bestCost; }
    // The soft cost of the best assignment; 2147483647 when none.
    int GetSoftCost() override { return m_bestSoftCost; }
    // Thread-safe; a request made before Solve starts stops that Solve. Cleared when Solve
    // returns and by PrepareRuns.
    void Stop() override { m_stopRequested.store(true, std::memory_order_relaxed); }
    bool IsSolved() override { return m_search.HasStored(); }
    std::ostream& PrintStatistics(std::ostream& os) override;
    // 1 lambda, 2 approximate evaluation, 3 learning, 4 delta update (nonzero = on), 5 seed,
    // 6 objective weight, 7 to 15 ignored. Throws Platform::ParameterError
    // ("Invalid Parameter\n") for any other id.
    void SetParameter(int id, int value) override;
    GLSCSP* GetCSP() override { return &m_problem; }
    void PrepareRuns() override;
    void SetNewBestCallback(NewBestCallback callback) override { m_onNewBest = std::move(callback); }
    int GetBestTotal() const override { return m_bestTotal; }

    const GLSStats& GetStats() const { return m_stats; }
    // Tests: recompute every table after every step; Platform::InternalError on a difference.
    void SetInvariantChecks(bool on) { m_checkInvariants = on; }
    const LocalSearchGraph& GetSearch() const { return m_search; }

private:
    bool ListMode() const { return m_options.GetDeltaUpdate() && !m_options.GetApproxEvaluation(); }
    void InitialiseSearch();
    void MoveListDescent();
    void VariableSweep();
    bool VariableStep(IntVar* x);
    bool TryMove(IntVar* x, int k);
    void LocalMinimumStep();
    // Stores the current assignment when it satisfies every hard constraint and is the first
    // of the run or cheaper than the stored one.
    void ConsiderStoring();
    bool Verify();
    void LearnNoGood();
    void CheckInvariants(const char* where);
    bool Stopping() const { return m_stopRequested.load(std::memory_order_relaxed); }
    bool NothingViolated() const { return m_search.Violated().Empty(); }

    LocalSearchGraph m_search;
    std::atomic<bool> m_stopRequested{false};
    bool m_firstRun = true;
    bool m_foundThisRun = false;
    GLSCSP m_problem;
    int m_bestCost = INT_MAX;
    int m_bestSoftCost = INT_MAX;
    int m_bestTotal = INT_MAX;
    GLSStats m_stats;
    GLSOptions m_options;
    NewBestCallback m_onNewBest;
    bool m_timerStarted = false;
    bool m_builtApprox = false;
    bool m_builtDelta = false;
    bool m_checkInvariants = false;
};

} // namespace GLSLib
