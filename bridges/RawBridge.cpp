#include "bridges/RawBridge.hpp"

#include "language/raw/RawFlt.hpp"
#include "language/raw/RawInt.hpp"
#include "platform/FatalError.hpp"

#include <climits>
#include <cmath>

using namespace TavLanguage;

namespace TavBridges {

namespace {

const RawCSP& Checked(RawCSP* problem) {
    if (problem == nullptr) throw Platform::InternalError("A solver bridge needs a problem");
    return *problem;
}

// An integer cost as an integer label; a real one, or one past the int range, as a real.
RPtr<RawExpr> CostValue(double value) {
    if (std::nearbyint(value) == value && value >= INT_MIN && value <= INT_MAX)
        return RPtr<RawExpr>(new RawInt(static_cast<int>(value)));
    return RPtr<RawExpr>(new RawFlt(value));
}

} // namespace

RawBridge::RawBridge(RawCSP* problem, BridgeContext context)
    : RawSolver(problem), m_context(std::move(context)), m_evaluator(Checked(problem)) {}

std::string RawBridge::Key(const RawSolution& candidate) {
    std::string key;
    for (const RawLabel& label : candidate.GetLabels()) {
        key += label.GetName();
        key += '=';
        if (label.GetValue()) key += label.GetValue()->ToString();
        key += ';';
    }
    return key;
}

RawBridge::Verdict RawBridge::Check(const RawSolution& candidate) {
    const TavBridges::RawEvaluation check = m_evaluator.Evaluate(candidate);
    std::string key = Key(candidate);
    if (!check.feasible) {
        ++m_rejected;
        Platform::Report(m_context.diagnostics,
                         "Solution dropped: it does not satisfy the problem (" +
                             (check.faults.empty() ? std::string("unknown fault") : check.faults.front()) +
                             ")");
        return Verdict::Dropped;
    }
    if (m_reported.count(key) > 0) return Verdict::Repeat;
    m_reported.insert(std::move(key));
    RawSolution& solution = m_solutions.AddSolution();
    for (const RawLabel& label : candidate.GetLabels())
        solution.AddLabel(label);
    if (check.hasObjective) solution.SetCost(CostValue(check.objective));
    if (check.hasSoftConstraints) solution.SetSoftCost(CostValue(static_cast<double>(check.softCost)));
    if (m_context.onSolution) m_context.onSolution(solution);
    return Verdict::Added;
}

bool RawBridge::Offer(const RawSolution& candidate) {
    return Check(candidate) == Verdict::Added;
}

bool RawBridge::Solve() {
    SetFinished(false);
    SetSolved(false);
    const int before = m_solutions.GetCount();
    TavLanguage::SolveEnd end = TavLanguage::SolveEnd::Stopped;
    while (!m_context.IsStopRequested()) {
        RawSolution candidate;
        if (!FindCandidate(candidate)) {
            end = SearchEnd();
            break;
        }
        const Verdict verdict = Check(candidate);
        // A run that ends on the last solution it offered has found that one.
        if (verdict == Verdict::Added || (verdict == Verdict::Repeat && m_solutions.GetCount() > before)) {
            end = SolutionEnd();
            break;
        }
        if (verdict == Verdict::Repeat) ++m_rejected;
        if (!ContinuesAfterRejection()) {
            end = TavLanguage::SolveEnd::GaveUp;
            break;
        }
    }
    const bool found = m_solutions.GetCount() > before;
    SetEnd(end);
    SetFinished(true);
    SetSolved(found);
    return found;
}

} // namespace TavBridges
