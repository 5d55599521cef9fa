#include "complete/constraints/AllDifferent.hpp"

#include "complete/FiniteDomain.hpp"
#include "complete/IntVar.hpp"
#include "complete/Variable.hpp"
#include "complete/induced/LinearOp.hpp"

#include <algorithm>

namespace GFCLib {

bool AllDifferent::IsSatisfied() const {
    const std::size_t n = m_args.size();
    if (m_views) {
        std::vector<long long> values;
        values.reserve(n);
        for (const Entry& e : m_entries)
            values.push_back(ValueOf(e));
        std::sort(values.begin(), values.end());
        return std::adjacent_find(values.begin(), values.end()) == values.end();
    }
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

long long AllDifferent::ValueOf(const Entry& e) const {
    if (e.constant != nullptr) return e.constant->GetValue().GetInt();
    return e.coefficient * e.var->GetValue().GetInt() + e.offset;
}

void AllDifferent::Attach() {
    // An integer expression c * x + b with c = 1 or -1 is watched through x.
    m_entries.clear();
    std::vector<Variable*> watched;
    for (CPObject* a : m_args) {
        Entry e;
        if (!a->IsVariable()) {
            e.constant = a;
        } else {
            e.var = static_cast<Variable*>(a);
            e.intVar = dynamic_cast<IntVar*>(e.var);
            long long c = 0;
            if (const auto* linear = dynamic_cast<const LinearOp*>(a); linear != nullptr) {
                if (IntVar* x = linear->ViewOf(c); x != nullptr) {
                    e.var = x;
                    e.intVar = x;
                    e.coefficient = c;
                    e.offset = linear->GetConstant();
                    m_views = true;
                }
            }
            watched.push_back(e.var);
        }
        m_entries.push_back(e);
    }
    if (m_views) {
        // Values compare as integers; every argument must be one.
        for (const Entry& e : m_entries)
            if ((e.constant != nullptr && e.constant->GetValue().GetTag() != Value::kInt &&
                 e.constant->GetValue().GetTag() != Value::kBool) ||
                (e.var != nullptr && e.intVar == nullptr))
                m_views = false;
    }
    if (m_views) {
        m_vars = watched;
        IndexVars();
    }
    ExpandDomains(0);
    m_sameSpec = !m_views && !m_vars.empty() && m_vars.front()->GetFiniteDomain() != nullptr;
    for (Variable* v : m_vars) {
        const FiniteDomain* d = v->GetFiniteDomain();
        m_sameSpec =
            m_sameSpec && d != nullptr && d->GetSpec() == m_vars.front()->GetFiniteDomain()->GetSpec();
    }
    Constraint::Attach();
}

bool AllDifferent::RemoveFrom(const Entry& e, long long w) {
    // c is 1 or -1, so c * x + b = w gives x = (w - b) * c.
    return e.intVar->RemoveInt((w - e.offset) * e.coefficient);
}

bool AllDifferent::Preprocess() {
    if (m_views) {
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            const Entry& e = m_entries[i];
            const bool fixed = e.constant != nullptr || e.var->IsInstantiated();
            if (!fixed) continue;
            const long long w = ValueOf(e);
            for (std::size_t j = 0; j < m_entries.size(); ++j) {
                const Entry& f = m_entries[j];
                if (j == i) continue;
                if (f.constant != nullptr || f.var->IsInstantiated()) {
                    if (j > i && ValueOf(f) == w) return false;
                    continue;
                }
                if (f.var != e.var && !RemoveFrom(f, w)) return false;
            }
        }
        return RemoveSingletonViews() && PigeonholeViews();
    }
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
    if (m_views) return ForwardCheckViews();
    if (m_last != nullptr && m_last->IsInstantiated()) {
        for (Variable* v : m_vars)
            if (v != m_last && !v->IsInstantiated() && !v->RemoveValueOf(*m_last)) return false;
    }
    if (!RemoveSingletons()) return false;
    return Pigeonhole();
}

bool AllDifferent::ForwardCheckViews() {
    if (m_last != nullptr && m_last->IsInstantiated()) {
        for (const Entry& e : m_entries) {
            if (e.var != m_last) continue;
            const long long w = ValueOf(e);
            for (const Entry& f : m_entries)
                if (f.var != nullptr && f.var != m_last && !f.var->IsInstantiated() && !RemoveFrom(f, w))
                    return false;
        }
    }
    return RemoveSingletonViews() && PigeonholeViews();
}

bool AllDifferent::RemoveSingletonViews() {
    // An unbound argument left with one value takes it from the others, which may leave further
    // arguments with one value.
    m_done.assign(m_entries.size(), 0);
    bool changed = true;
    while (changed) {
        changed = false;
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            const Entry& e = m_entries[i];
            if (m_done[i] || e.var == nullptr || e.var->IsInstantiated()) continue;
            const FiniteDomain& d = e.intVar->GetDomain();
            if (d.IsEmpty()) return false;
            if (d.Count() != 1) continue;
            m_done[i] = 1;
            const long long w = e.coefficient * e.intVar->MinInt() + e.offset;
            for (std::size_t j = 0; j < m_entries.size(); ++j) {
                const Entry& f = m_entries[j];
                if (j == i || f.var == nullptr || f.var == e.var || f.var->IsInstantiated()) continue;
                const long long x = (w - f.offset) * f.coefficient;
                if (!f.intVar->ContainsInt(x)) continue;
                if (!f.intVar->RemoveInt(x)) return false;
                changed = true;
            }
        }
    }
    return true;
}

bool AllDifferent::PigeonholeViews() const {
    // The values the unbound arguments can still take, over the span they lie in (skipped when
    // that span is wide: it is a quick check, not a necessary one).
    long long lo = 0;
    long long hi = -1;
    int unbound = 0;
    for (const Entry& e : m_entries) {
        if (e.var == nullptr || e.var->IsInstantiated()) continue;
        const long long a = e.coefficient * e.intVar->MinInt() + e.offset;
        const long long b = e.coefficient * e.intVar->MaxInt() + e.offset;
        if (unbound++ == 0) {
            lo = std::min(a, b);
            hi = std::max(a, b);
        } else {
            lo = std::min({lo, a, b});
            hi = std::max({hi, a, b});
        }
    }
    if (unbound <= 1) return true;
    if (hi - lo + 1 < unbound) return false;
    if (hi - lo + 1 > 4096) return true;
    BitVector& values = m_scratch;
    const int n = static_cast<int>(hi - lo + 1);
    if (values.BitCount() != n)
        values.Resize(n, false);
    else
        values.ClearAll();
    for (const Entry& e : m_entries) {
        if (e.var == nullptr || e.var->IsInstantiated()) continue;
        const IntDomainSpec* spec = e.intVar->GetIntSpec();
        e.intVar->GetDomain().ForEachIndex([&](int p) {
            values.Set(static_cast<int>(e.coefficient * spec->IntAt(p) + e.offset - lo), true);
        });
    }
    return values.Count() >= unbound;
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
