#include "complete/constraints/Minimise.hpp"

#include "complete/FiniteDomain.hpp"
#include "complete/IntVar.hpp"
#include "complete/Trail.hpp"

namespace GFCLib {

Minimise::Minimise(IntVar* objective, CSP* problem) : m_objective(objective), m_problem(problem) {
    AddArg(objective);
    if (objective != nullptr && objective->HasValues()) m_bound = Value(objective->MaxInt());
}

bool Minimise::IsSatisfied() const {
    if (m_objective == nullptr || !m_bound.IsInt()) return true;
    const int v = m_objective->GetInt();
    return m_hasSolution ? v < m_bound.GetInt() : v <= m_bound.GetInt();
}

bool Minimise::Preprocess() {
    if (m_objective == nullptr || m_objective->IsInstantiated()) return true;
    return FilterArg(0);
}

bool Minimise::FilterArg(int i) {
    (void)i;
    if (m_objective == nullptr || !m_bound.IsInt()) return true;
    const long long bound = m_bound.GetInt();
    return m_hasSolution ? m_objective->KeepBelow(bound) : m_objective->KeepAtMost(bound);
}

bool Minimise::Improve() {
    if (m_objective == nullptr) return false;
    const int v = m_objective->GetInt();
    if (m_hasSolution && v >= m_bound.GetInt()) return false;
    m_bound = Value(v);
    m_hasSolution = true;
    return true;
}

void Minimise::Cut(Trail& trail) const {
    if (m_objective == nullptr || !m_bound.IsInt()) return;
    const std::int64_t past = m_objective->GetIntSpec()->LowerBound(m_bound.GetInt());
    // The bound is a value of the objective's universe, so its position fits an int.
    if (past >= m_objective->GetIntSpec()->UniverseSize()) return;
    const int first = static_cast<int>(past);
    FiniteDomain& d = m_objective->GetDomain();
    if (d.MaxIndex() >= first) (void)d.KeepIndexRange(0, first - 1);
    trail.CutSaved(d, first);
}

} // namespace GFCLib
