#include "complete/constraints/NotEqual.hpp"

#include "complete/FiniteDomain.hpp"
#include "complete/Variable.hpp"

namespace GFCLib {

void NotEqual::Attach() {
    ExpandDomains(0);
    m_finitePair = m_vars.size() == 2 && m_vars[0]->GetFiniteDomain() != nullptr &&
                   m_vars[1]->GetFiniteDomain() != nullptr;
    Constraint::Attach();
}

bool NotEqual::ForwardCheck() {
    if (m_vars.size() == 2) {
        Variable* a = m_vars[0];
        Variable* b = m_vars[1];
        const bool aBound = a->IsInstantiated();
        if (aBound != b->IsInstantiated()) {
            Variable* bound = aBound ? a : b;
            FiniteDomain* d = (aBound ? b : a)->GetFiniteDomain();
            const FiniteDomain* source = bound->GetFiniteDomain();
            if (d != nullptr && source != nullptr && d->GetSpec() == source->GetSpec())
                return d->Remove(bound->GetIndex());
        }
    }
    return Constraint::ForwardCheck();
}

Truth NotEqual::Entailment() const {
    if (!BothIntegers()) return Constraint::Entailment();
    if (High(0) < Low(1) || High(1) < Low(0)) return Truth::True;
    if (Low(0) == High(0) && Low(1) == High(1)) return Low(0) == Low(1) ? Truth::False : Truth::True;
    return Truth::Unknown;
}

bool NotEqual::EnforceNegation() {
    if (!BothIntegers()) return Entailment() != Truth::True;
    return KeepOrdered(0, 1, 0) && KeepOrdered(1, 0, 0);
}

bool NotEqual::Propagate() {
    if (m_vars.size() < 2) {
        // A comparison with a constant, within a logical constraint.
        if (m_vars.size() == 1 && !m_vars[0]->IsInstantiated()) return FilterArg(0);
        return IsSatisfied();
    }
    for (int i = 0; i < 2; ++i) {
        Variable* from = m_vars[static_cast<std::size_t>(i)];
        Variable* to = m_vars[static_cast<std::size_t>(1 - i)];
        if (to->IsInstantiated()) continue;
        if (from->IsInstantiated()) {
            if (!FilterArg(1 - i)) return false;
            continue;
        }
        const FiniteDomain* source = from->GetFiniteDomain();
        FiniteDomain* d = to->GetFiniteDomain();
        if (source == nullptr || d == nullptr || source->Count() != 1) continue;
        const bool holds = d->GetSpec() == source->GetSpec()
                               ? d->Remove(source->MinIndex())
                               : d->RemoveValue(source->ValueAt(source->MinIndex()));
        if (!holds) return false;
    }
    const Variable* a = m_vars[0];
    const Variable* b = m_vars[1];
    return !a->IsInstantiated() || !b->IsInstantiated() || IsSatisfied();
}

bool NotEqual::FilterArg(int i) {
    return m_vars[static_cast<std::size_t>(i)]->RemoveValueOf(*Other(i));
}

} // namespace GFCLib
