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

bool RawBridge::Solve() {
    SetFinished(false);
    SetSolved(false);
    bool found = false;
    while (!found && !m_context.IsStopRequested()) {
        RawSolution candidate;
        if (!FindCandidate(candidate)) break;
        const TavBridges::RawEvaluation check = m_evaluator.Evaluate(candidate);
        std::string key = Key(candidate);
        if (!check.feasible) {
            ++m_rejected;
            Platform::Report(
                m_context.diagnostics,
                "Solution dropped: it does not satisfy the problem (" +
                    (check.faults.empty() ? std::string("unknown fault") : check.faults.front()) + ")");
        } else if (m_reported.count(key) > 0) {
            ++m_rejected;
        } else {
            m_reported.insert(std::move(key));
            RawSolution& solution = m_solutions.AddSolution();
            for (const RawLabel& label : candidate.GetLabels())
                solution.AddLabel(label);
            if (check.hasObjective) solution.SetCost(CostValue(check.objective));
            if (check.hasSoftConstraints)
                solution.SetSoftCost(CostValue(static_cast<double>(check.softCost)));
            found = true;
            break;
        }
        if (!ContinuesAfterRejection()) break;
    }
    SetFinished(true);
    SetSolved(found);
    return found;
}

} // namespace TavBridges
