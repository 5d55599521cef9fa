#include "complete/constraints/AllDifferent.hpp"

#include "complete/FiniteDomain.hpp"
#include "complete/Variable.hpp"

#include <algorithm>

namespace GFCLib {

bool AllDifferent::IsSatisfied() const {
    const std::size_t n = m_args.size();
    bool allInt = true;
    for (const CPObject* a : m_args)
        allInt = allInt && a->GetValue().IsInt();
    if (allInt && n > 8) {
        std::vector<int> ints;
        ints.reserve(n);
        for (const CPObject* a : m_args)
            ints.push_back(a->GetValue().GetInt());
        std::sort(ints.begin(), ints.end());
        return std::adjacent_find(ints.begin(), ints.end()) == ints.end();
    }
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (m_args[i]->GetValue() == m_args[j]->GetValue()) return false;
    return true;
}

void AllDifferent::Attach() {
    ExpandDomains(0);
    m_sameSpec = !m_vars.empty() && m_vars.front()->GetFiniteDomain() != nullptr;
    for (Variable* v : m_vars) {
        const FiniteDomain* d = v->GetFiniteDomain();
        m_sameSpec =
            m_sameSpec && d != nullptr && d->GetSpec() == m_vars.front()->GetFiniteDomain()->GetSpec();
    }
    Constraint::Attach();
}

bool AllDifferent::Preprocess() {
    // Constant arguments: they must differ, and no variable may take their values.
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        if (m_args[i]->IsVariable()) continue;
        for (std::size_t j = i + 1; j < m_args.size(); ++j)
            if (!m_args[j]->IsVariable() && m_args[i]->GetValue() == m_args[j]->GetValue()) return false;
        for (Variable* v : m_vars)
            if (!v->IsInstantiated() && !v->RemoveValueOf(*m_args[i])) return false;
    }
    for (Variable* v : m_vars)
        if (v->IsInstantiated())
            for (Variable* w : m_vars)
                if (w != v && !w->IsInstantiated() && !w->RemoveValueOf(*v)) return false;
    if (!RemoveSingletons()) return false;
    return Pigeonhole();
}

bool AllDifferent::IsAllButOneBound(int n) const {
    (void)n;
    return m_boundCount < static_cast<int>(m_args.size());
}

bool AllDifferent::ForwardCheck() {
    if (m_last != nullptr && m_last->IsInstantiated()) {
        for (Variable* v : m_vars)
            if (v != m_last && !v->IsInstantiated() && !v->RemoveValueOf(*m_last)) return false;
    }
    if (!RemoveSingletons()) return false;
    return Pigeonhole();
}

bool AllDifferent::RemoveSingletons() {
    if (!m_sameSpec) return true;
    // An unbound variable left with one value takes it from the others, which may leave
    // further variables with one value.
    m_done.assign(m_vars.size(), 0);
    bool changed = true;
    while (changed) {
        changed = false;
        for (std::size_t i = 0; i < m_vars.size(); ++i) {
            Variable* v = m_vars[i];
            if (m_done[i] || v->IsInstantiated()) continue;
            const FiniteDomain* d = v->GetFiniteDomain();
            const int only = d->MinIndex();
            if (only < 0) return false;
            if (only != d->MaxIndex()) continue;
            m_done[i] = 1;
            for (std::size_t j = 0; j < m_vars.size(); ++j) {
                Variable* w = m_vars[j];
                if (j == i || w == v || w->IsInstantiated()) continue;
                FiniteDomain* e = w->GetFiniteDomain();
                if (!e->Contains(only)) continue;
                if (!e->Remove(only)) return false;
                changed = true;
            }
        }
    }
    return true;
}

bool AllDifferent::Pigeonhole() const {
    if (!m_sameSpec) return true;
    BitVector& values = m_scratch;
    const int n = static_cast<int>(m_vars.front()->GetFiniteDomain()->UniverseSize());
    if (values.BitCount() != n)
        values.Resize(n, false);
    else
        values.ClearAll();
    int unbound = 0;
    for (const Variable* v : m_vars) {
        if (v->IsInstantiated()) continue;
        v->GetFiniteDomain()->AddTo(values);
        ++unbound;
    }
    return unbound == 0 || values.Count() >= unbound;
}

} // namespace GFCLib
