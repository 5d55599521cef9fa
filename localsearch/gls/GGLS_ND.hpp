#pragma once
// Guided local search (Voudouris and Tsang) over a GLSCSP: from a random assignment, change
// one variable at a time to lower its penalised cost; at local minima raise the penalties of
// the features of largest utility. One Solve is one run: a satisfaction problem ends at the
// first assignment that violates nothing (forbidden afterwards by a NoGood, so the next run
// finds another); an optimisation problem runs until Stop and reports the best assignment.

#include "localsearch/GGLS.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/GLSOptions.hpp"
#include "localsearch/GLSStats.hpp"
#include "localsearch/search/SearchTables.hpp"

#include <atomic>
#include <climits>
#include <string>
#include <vector>

namespace GLSLib {

class GGLS_ND : public GGLS {
public:
    // An engine over an empty problem of its own; numeric features of that problem ask it.
    GGLS_ND();

    // One run; true when a verified solution (or, for optimisation, the best assignment) is
    // reported in the variables.
    bool Solve() override;
    bool CanImprove(Con* c) override;
    int GetCost() override { return m_bestCost; }
    int GetSoftCost() override { return m_bestSoftCost; }
    // Thread-safe: the running Solve returns at its next check; a request that arrives before
    // Solve starts stops that Solve. Cleared when Solve returns and by PrepareRuns.
    void Stop() override { m_stopRequested.store(true, std::memory_order_relaxed); }
    bool IsSolved() override { return m_bestCost != INT_MAX; }
    // The labelled statistics report.
    std::ostream& PrintStatistics(std::ostream& os) override;
    // 1 lambda, 2 approximate evaluation, 3 learning, 4 delta update (nonzero = on), 5 seed,
    // 6 objective weight, 7 to 15 ignored. Throws Platform::ParameterError
    // ("Invalid Parameter\n") for any other id.
    void SetParameter(int id, int value) override;
    GLSCSP* GetCSP() override { return &m_csp; }
    void PrepareRuns() override;
    void SetNewBestCallback(NewBestCallback callback) override { m_onNewBest = std::move(callback); }
    int GetBestTotal() const override { return m_bestTotal; }

    const GLSStats& GetStats() const { return m_stats; }
    const GLSOptions& GetOptions() const { return m_options; }
    // Tests: recompute every table after every step and throw Platform::InternalError with
    // the first difference.
    void SetInvariantChecks(bool on) { m_checkInvariants = on; }
    const SearchTables& GetTables() const { return m_tables; }

private:
    bool ListMode() const { return m_options.GetDeltaUpdate() && !m_options.GetApproxEvaluation(); }
    void InitialiseSearch();
    void SweepStep();
    bool ImproveVariable(IntVar* v);
    // 0 improving, 1 sideways, 2 worse.
    int EvaluateMove(IntVar* v, int k);
    bool TryMove(IntVar* v, int k);
    void ListStep();
    void ApplyMove(Move m);
    void PenaliseLocalMinimum();
    void RecordBest();
    bool VerifySolution();
    void ForbidSolution();
    void CheckInvariants(const char* where);
    bool Stopping() const { return m_stopRequested.load(std::memory_order_relaxed); }
    bool NothingViolated() const { return m_tables.Violated().Empty(); }

    int m_bestSoftCost = INT_MAX;
    bool m_firstRun = true;
    std::atomic<bool> m_stopRequested{false};
    GLSCSP m_csp;
    GLSOptions m_options;
    GLSStats m_stats;
    SearchTables m_tables;
    int m_bestCost = INT_MAX;
    std::vector<int> m_bestValues;
    int m_bestTotal = INT_MAX;
    NewBestCallback m_onNewBest;
    // The switches the tables were built with, and whether the variables were restored to
    // the best assignment after the tables were last computed.
    bool m_builtApprox = false;
    bool m_builtDelta = false;
    bool m_tablesStale = false;
    bool m_checkInvariants = false;
    bool m_timerStarted = false;
};

} // namespace GLSLib
