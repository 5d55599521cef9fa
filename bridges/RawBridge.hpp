#pragma once
// Base of the solver bridges over the search libraries. Every assignment an engine finds passes
// here before it is reported, whatever the engine and the build:
//   - it must satisfy the raw problem as the independent evaluator (RawEvaluator) judges it;
//     one that does not is dropped and a notice goes to the diagnostics;
//   - it must not repeat a solution already reported by this bridge;
//   - its cost label is the objective's own value (a maximised objective is reported as
//     maximised, not negated), and its soft-cost label the total weight of the soft
//     constraints it violates, both computed from the raw problem.
// A complete search goes on past a dropped assignment; a local-search run that ends on one has
// found nothing new, so that Solve returns false and an "all solutions" run ends there. An
// engine may also report solutions during its run (Offer); a run that ends on the last of them
// has found it.

#include "bridges/BridgeContext.hpp"
#include "bridges/RawEvaluator.hpp"
#include "language/raw/RawSolver.hpp"

#include <string>
#include <unordered_set>

namespace TavBridges {

class RawBridge : public TavLanguage::RawSolver {
public:
    // Finds candidates until one passes the checks above and appends it (true), or the engine
    // has none left for this call (false); true also when solutions offered during the call
    // were appended. Sets how it ended (GetEnd). Throws what the engine throws.
    [[nodiscard]] bool Solve() final;

    // Number of assignments the checks dropped, in every Solve so far.
    int GetRejectedCount() const { return m_rejected; }

protected:
    RawBridge(TavLanguage::RawCSP* problem, BridgeContext context);

    // One search step of the engine: fills `candidate` with one label per decision variable
    // and returns true, or returns false when the engine found nothing.
    [[nodiscard]] virtual bool FindCandidate(TavLanguage::RawSolution& candidate) = 0;
    // True when a further FindCandidate after a dropped one continues the same search (complete
    // search); false when each call is a run of its own (local search).
    virtual bool ContinuesAfterRejection() const = 0;
    // How a Solve ends that found a solution, and one whose FindCandidate found nothing. The
    // defaults are those of an incomplete search, whose run ends without a solution only when
    // it is stopped.
    virtual TavLanguage::SolveEnd SolutionEnd() const { return TavLanguage::SolveEnd::Solution; }
    virtual TavLanguage::SolveEnd SearchEnd() const { return TavLanguage::SolveEnd::Stopped; }
    // A solution found during the engine's run, before FindCandidate returns (a new best of an
    // optimising local search): checked and appended as Solve does, and told to the context's
    // onSolution. True when it was appended. Called on the thread that runs Solve.
    bool Offer(const TavLanguage::RawSolution& candidate);

    const BridgeContext& Context() const { return m_context; }
    // Throws Platform::Cancelled once the program's stop request is set; for long translation
    // loops.
    void CheckStop() const { m_context.CheckStop(); }

private:
    enum class Verdict { Added, Dropped, Repeat };
    Verdict Check(const TavLanguage::RawSolution& candidate);
    // The canonical text of a candidate's labels, for recognising a repeat.
    static std::string Key(const TavLanguage::RawSolution& candidate);

    BridgeContext m_context;
    TavBridges::RawEvaluator m_evaluator;
    std::unordered_set<std::string> m_reported;
    int m_rejected = 0;
};

} // namespace TavBridges
