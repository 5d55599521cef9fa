#include "complete/constraints/Element.hpp"

#include "complete/IntVar.hpp"
#include "complete/induced/InducedIntVar.hpp"

#include <algorithm>

#include <ostream>

namespace GFCLib {

void Element::Print(std::ostream& os) const {
    os << GetName() << "(";
    if (!m_args.empty()) m_args[0]->PrintName(os);
    os << ",[";
    for (std::size_t i = 0; i < m_list.size(); ++i)
        os << (i > 0 ? "," : "") << m_list[i];
    os << "],";
    if (m_args.size() > 1) m_args[1]->PrintName(os);
    os << ")";
}

bool Element::IsSatisfied() const {
    if (m_args.size() < 2) return false;
    const Value& index = A()->GetValue();
    if (!index.IsInt() || index.GetInt() < 0 || index.GetInt() >= static_cast<int>(m_list.size()))
        return false;
    return m_list[static_cast<std::size_t>(index.GetInt())] == B()->GetValue();
}

bool Element::Preprocess() {
    if (m_args.size() < 2) return false;
    if (auto* index = dynamic_cast<IntVar*>(A()); index != nullptr && !index->IsInstantiated())
        if (!index->KeepRange(0, static_cast<long long>(m_list.size()) - 1)) return false;
    return Constraint::Preprocess();
}

bool Element::Propagate() {
    if (m_args.size() < 2 || A() == B()) return true;
    auto* index = dynamic_cast<IntVar*>(A());
    if (index == nullptr) return true;
    const long long n = static_cast<long long>(m_list.size());
    if (!index->Restrict(0, n - 1)) return false;
    const auto allows = [&](const Value& v) {
        if (B()->IsBound()) return B()->GetValue() == v;
        const FiniteDomain* d = static_cast<const Variable*>(B())->GetFiniteDomain();
        return d == nullptr || d->ContainsValue(v);
    };
    if (!index->IsInstantiated()) {
        // After the restriction the index has at most n values, whatever its universe.
        for (long long k = index->MinInt(); k <= index->MaxInt(); ++k)
            if (index->ContainsInt(k) && !allows(m_list[static_cast<std::size_t>(k)]) && !index->Exclude(k))
                return false;
    }
    if (B()->IsBound()) return !index->IsInstantiated() || IsSatisfied();
    return NarrowValue(*index, *static_cast<Variable*>(B()));
}

bool Element::NarrowValue(const IntVar& index, Variable& value) {
    FiniteDomain* d = value.GetFiniteDomain();
    if (d == nullptr) return true;
    const auto forEachPosition = [&](auto&& f) {
        for (long long k = index.MinInt(); k <= index.MaxInt(); ++k)
            if (index.Allows(k)) f(m_list[static_cast<std::size_t>(k)]);
    };
    if (auto* x = dynamic_cast<IntVar*>(&value); x != nullptr) {
        m_supported.clear();
        forEachPosition([&](const Value& v) { m_supported.push_back(v.GetInt()); });
        if (m_supported.empty()) return false;
        std::sort(m_supported.begin(), m_supported.end());
        if (!x->KeepRange(m_supported.front(), m_supported.back())) return false;
        if (d->Count() > InducedIntVar::kValueFilterLimit) return true;
        for (int p = d->MinIndex(); p >= 0; p = d->NextAfter(p)) {
            const int v = x->GetIntSpec()->IntAt(p);
            if (!std::binary_search(m_supported.begin(), m_supported.end(), v) && !x->Exclude(v))
                return false;
        }
        return !d->IsEmpty();
    }
    const int size = static_cast<int>(d->UniverseSize());
    if (m_marks.BitCount() != size)
        m_marks.Resize(size, false);
    else
        m_marks.ClearAll();
    forEachPosition([&](const Value& v) { m_marks.Set(d->IndexOf(v), true); });
    return d->KeepMarked(m_marks);
}

bool Element::FilterArg(int i) {
    Variable* x = m_vars[static_cast<std::size_t>(i)];
    if (IsFirst(i) && A() != B()) {
        // The index keeps the positions holding the bound value.
        auto* index = dynamic_cast<IntVar*>(x);
        if (index == nullptr) return Constraint::FilterArg(i);
        const Value& v = B()->GetValue();
        FiniteDomain& d = index->GetDomain();
        for (int p = d.MinIndex(); p >= 0; p = d.NextAfter(p)) {
            const int k = index->GetIntSpec()->IntAt(p);
            if (k < 0 || k >= static_cast<int>(m_list.size()) || m_list[static_cast<std::size_t>(k)] != v)
                (void)d.Remove(p);
        }
        return !d.IsEmpty();
    }
    if (A() == B()) return Constraint::FilterArg(i);
    const Value& index = A()->GetValue();
    if (!index.IsInt() || index.GetInt() < 0 || index.GetInt() >= static_cast<int>(m_list.size()))
        return false;
    return x->KeepValuesOf(m_list[static_cast<std::size_t>(index.GetInt())]);
}

} // namespace GFCLib
