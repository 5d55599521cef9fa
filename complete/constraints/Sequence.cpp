#include "complete/constraints/Sequence.hpp"

#include "complete/FiniteDomain.hpp"
#include "complete/Variable.hpp"

namespace GFCLib {

bool Sequence::IsSatisfied() const {
    std::map<Value, int> used;
    for (const CPObject* a : m_args) {
        const Value& v = a->GetValue();
        auto it = m_valueCounts.find(v);
        if (it == m_valueCounts.end() || ++used[v] > it->second) return false;
    }
    return true;
}

void Sequence::Attach() {
    ExpandDomains(0);
    Constraint::Attach();
}

bool Sequence::Preprocess() {
    for (Variable* v : m_vars) {
        FiniteDomain* d = v->GetFiniteDomain();
        if (d == nullptr || v->IsInstantiated()) continue;
        for (int p = d->MinIndex(); p >= 0; p = d->NextAfter(p))
            if (m_valueCounts.find(d->ValueAt(p)) == m_valueCounts.end()) (void)d->Remove(p);
        if (d->IsEmpty()) return false;
    }
    if (m_vars.empty()) return IsSatisfied();
    return ForwardCheck();
}

bool Sequence::ForwardCheck() {
    std::map<Value, int> used;
    for (const CPObject* a : m_args) {
        if (!a->IsBound()) continue;
        auto it = m_valueCounts.find(a->GetValue());
        if (it == m_valueCounts.end() || ++used[a->GetValue()] > it->second) return false;
    }
    for (const auto& [value, count] : used) {
        if (count < m_valueCounts[value]) continue;
        for (Variable* v : m_vars)
            if (!v->IsInstantiated() && !v->RemoveValueOf(value)) return false;
    }
    return true;
}

} // namespace GFCLib
