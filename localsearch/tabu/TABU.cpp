#include "localsearch/tabu/TABU.hpp"

#include "localsearch/Arithmetic.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/Obj.hpp"
#include "localsearch/StopReset.hpp"
#include "platform/FatalError.hpp"

#include <algorithm>
#include <climits>

namespace GLSLib {

int TABU::GetCost() {
    if (!IsSolved()) return INT_MAX;
    return SaturateToInt(static_cast<std::int64_t>(m_search.GetBestObjective()) + m_search.GetBestSoftCost());
}

void TABU::SetParameter(int id, int value) {
    ModelValues& settings = m_problem.Values();
    switch (id) {
    case 1:
        // The random part of a tenure is a draw modulo the range.
        if (value < 1) throw Platform::ParameterError("Invalid Parameter\n");
        settings.tabuTenureRange = value;
        break;
    case 2:
        // A negative fixed part would make tenures shorter than the random part alone.
        if (value < 0) throw Platform::ParameterError("Invalid Parameter\n");
        settings.tabuTenureBase = value;
        break;
    case 3:
        m_approximate = value != 0;
        break;
    case 4:
        settings.objectiveWeight = value;
        break;
    default:
        if (id < 5 || id > 14) throw Platform::ParameterError("Invalid Parameter\n");
        break;
    }
}

bool TABU::Solve() {
    const StopReset stopReset(m_stopRequested);
    const ModelScope scope(m_problem);
    return Run();
}

bool TABU::Run() {
    m_search.ClearBest();
    try {
        if (m_firstRun) {
            m_stats.StartTimer();
            // The objective's features ask this engine whether a change can still lower it.
            m_problem.Values().currentEngine = this;
            m_search.SetStopFlag(&m_stopRequested);
            m_search.Initialise(m_problem, m_approximate);
            m_firstRun = false;
        } else if (m_search.NeedsResync()) {
            // The objective weight or lambda changed between runs: every weighted cost moved.
            m_search.Resync(true);
        }
    } catch (const SearchTables::Stopped&) {
        // Stopped while the tables were built: the next run builds them from the start.
        m_firstRun = true;
        return false;
    }
    m_search.BuildTabuTable();
    m_search.RebuildCandidates();
    const bool hasObjective = m_problem.HasObjective();
    bool found = false;
    // Stores the current assignment when it is feasible and better than the stored one.
    auto consider = [&]() {
        if (!m_search.Feasible()) return false;
        const long long total = static_cast<long long>(m_search.ObjectiveValue()) + m_search.SoftCost();
        if (!found || total < m_bestTotal) {
            m_search.StoreBest();
            m_bestTotal = total;
            if (hasObjective) m_stats.SetCost(m_search.GetBestObjective());
            if (m_onNewBest) m_onNewBest(static_cast<int>(std::clamp<long long>(total, INT_MIN, INT_MAX)));
        }
        found = true;
        return true;
    };
    consider();
    for (std::uint64_t t = 1;; ++t) {
        m_stats.IncIterations();
        CountStep();
        const bool moved = m_search.Step(t);
        m_stats.SetViolations(static_cast<std::uint32_t>(m_search.Violated().Count()));
        const bool feasible = consider();
        // Nothing can lower the cost of an assignment that violates nothing and has no
        // objective; and when no variable can change, nothing further can happen.
        if (!hasObjective && feasible && m_search.SoftCost() == 0) break;
        if (!moved) break;
        if (m_stopRequested.load()) break;
    }
    m_stats.IncSolutions();
    if (!found) return false;
    m_search.RestoreBest();
    m_search.ForbidCurrent();
    return true;
}

} // namespace GLSLib
