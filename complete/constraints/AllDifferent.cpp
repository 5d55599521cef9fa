#include "complete/constraints/AllDifferent.hpp"

#include "complete/FiniteDomain.hpp"
#include "complete/IntVar.hpp"
#include "complete/Trail.hpp"
#include "complete/Variable.hpp"
#include "complete/induced/LinearOp.hpp"

#include <algorithm>
#include <numeric>

namespace GFCLib {

bool AllDifferent::IsSatisfied() const {
    const std::size_t n = m_args.size();
    if (m_mode == Mode::Integers) {
        std::vector<long long> values;
        values.reserve(n);
        for (const Entry& e : m_entries)
            values.push_back(ValueOf(e));
        std::sort(values.begin(), values.end());
        return std::adjacent_find(values.begin(), values.end()) == values.end();
    }
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (m_args[i]->GetValue() == m_args[j]->GetValue()) return false;
    return true;
}

long long AllDifferent::ValueOf(const Entry& e) const {
    if (e.constant != nullptr) return e.constant->GetValue().GetInt();
    return e.coefficient * e.intVar->MinInt() + e.offset;
}

bool AllDifferent::IsFixed(const Entry& e) const {
    if (e.constant != nullptr || e.var->IsInstantiated()) return true;
    const FiniteDomain* d = e.var->GetFiniteDomain();
    return d != nullptr && d->Count() == 1;
}

void AllDifferent::Attach() {
    // An integer expression c * x + b with c = 1 or -1 is watched through x, when every argument
    // compares as an integer.
    const auto isInteger = [](const CPObject* a) {
        if (a->IsVariable()) return dynamic_cast<const IntVar*>(a) != nullptr;
        const int tag = a->GetValue().GetTag();
        return tag == Value::kInt || tag == Value::kBool;
    };
    const bool integers = std::all_of(m_args.begin(), m_args.end(), isInteger);
    m_entries.clear();
    std::vector<Variable*> watched;
    bool views = false;
    for (CPObject* a : m_args) {
        Entry e;
        if (!a->IsVariable()) {
            e.constant = a;
        } else {
            e.var = static_cast<Variable*>(a);
            e.intVar = dynamic_cast<IntVar*>(e.var);
            long long c = 0;
            if (const auto* linear = dynamic_cast<const LinearOp*>(a); integers && linear != nullptr) {
                if (IntVar* x = linear->ViewOf(c); x != nullptr) {
                    e.var = x;
                    e.intVar = x;
                    e.coefficient = c;
                    e.offset = linear->GetConstant();
                    views = true;
                }
            }
            watched.push_back(e.var);
        }
        m_entries.push_back(e);
    }
    if (views) {
        m_vars = watched;
        IndexVars();
    }
    ExpandDomains(0);
    m_mode = integers ? Mode::Integers : Mode::Values;
    // Variables of one domain description compare position by position.
    const FiniteDomain* first = m_vars.empty() ? nullptr : m_vars.front()->GetFiniteDomain();
    if (!views && first != nullptr && std::all_of(m_vars.begin(), m_vars.end(), [&](const Variable* v) {
            const FiniteDomain* d = v->GetFiniteDomain();
            return d != nullptr && d->GetSpec() == first->GetSpec();
        }))
        m_mode = Mode::Positions;
    m_order.resize(m_entries.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    m_done = 0;
    Constraint::Attach();
}

bool AllDifferent::Preprocess() {
    // Constant arguments must differ (the propagation takes their values from the variables).
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        for (std::size_t j = i + 1; j < m_entries.size(); ++j) {
            const Entry& e = m_entries[i];
            const Entry& f = m_entries[j];
            if (e.constant == nullptr || f.constant == nullptr) continue;
            if (m_mode == Mode::Integers ? ValueOf(e) == ValueOf(f)
                                         : e.constant->GetValue() == f.constant->GetValue())
                return false;
        }
    return Propagate();
}

bool AllDifferent::Propagate() {
    if (!TakeFixedValues()) return false;
    if (m_mode == Mode::Positions) return Pigeonhole();
    if (m_mode == Mode::Integers) return PigeonholeIntegers();
    return true;
}

bool AllDifferent::Separate(const Entry& e, const Entry& f, bool& fixed) const {
    if (f.constant != nullptr || f.var->IsInstantiated()) {
        if (m_mode == Mode::Integers) return ValueOf(e) != ValueOf(f);
        const CPObject& a = e.constant != nullptr ? *e.constant : *e.var;
        const CPObject& b = f.constant != nullptr ? *f.constant : *f.var;
        if (a.IsBound()) return a.GetValue() != b.GetValue();
        const FiniteDomain* d = e.var->GetFiniteDomain();
        return d->ValueAt(d->MinIndex()) != b.GetValue();
    }
    switch (m_mode) {
    case Mode::Positions: {
        FiniteDomain* d = f.var->GetFiniteDomain();
        int position = -1;
        if (e.constant != nullptr)
            position = d->IndexOf(e.constant->GetValue());
        else
            position = e.var->IsInstantiated() ? e.var->GetIndex() : e.var->GetFiniteDomain()->MinIndex();
        if (!d->Contains(position)) return true;
        if (!d->Remove(position)) return false;
        fixed = d->Count() == 1;
        return true;
    }
    case Mode::Integers: {
        // c is 1 or -1, so c * x + b = w gives x = (w - b) * c.
        const long long x = (ValueOf(e) - f.offset) * f.coefficient;
        if (!f.intVar->ContainsInt(x)) return true;
        if (!f.intVar->RemoveInt(x)) return false;
        fixed = f.intVar->GetDomain().Count() == 1;
        return true;
    }
    case Mode::Values:
        break;
    }
    bool holds = true;
    if (e.constant != nullptr || e.var->IsInstantiated()) {
        holds = f.var->RemoveValueOf(e.constant != nullptr ? *e.constant : *e.var);
    } else {
        const FiniteDomain* d = e.var->GetFiniteDomain();
        holds = f.var->RemoveValueOf(d->ValueAt(d->MinIndex()));
    }
    const FiniteDomain* d = f.var->GetFiniteDomain();
    fixed = d != nullptr && d->Count() == 1;
    return holds;
}

bool AllDifferent::TakeFixedValues() {
    // The search gives the domains its trail after this constraint was attached: read it here.
    const FiniteDomain* first = m_vars.empty() ? nullptr : m_vars.front()->GetFiniteDomain();
    Trail* const trail = first != nullptr ? first->GetTrail() : nullptr;
    const int n = static_cast<int>(m_entries.size());
    // Giving a value away may fix an entry already passed over: walk again until none is.
    bool again = true;
    while (again) {
        again = false;
        for (int k = m_done; k < n; ++k) {
            const Entry& e = m_entries[static_cast<std::size_t>(m_order[static_cast<std::size_t>(k)])];
            if (!IsFixed(e)) continue;
            std::swap(m_order[static_cast<std::size_t>(k)], m_order[static_cast<std::size_t>(m_done)]);
            if (trail != nullptr) trail->Save(m_done, m_doneStamp);
            ++m_done;
            for (int j = m_done; j < n; ++j) {
                const Entry& f = m_entries[static_cast<std::size_t>(m_order[static_cast<std::size_t>(j)])];
                // Two views of one variable are told apart by the full check once it is bound.
                if (f.var != nullptr && f.var == e.var) continue;
                bool fixed = false;
                if (!Separate(e, f, fixed)) return false;
                again = again || fixed;
            }
        }
    }
    return true;
}

bool AllDifferent::PigeonholeIntegers() const {
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

bool AllDifferent::Pigeonhole() const {
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
