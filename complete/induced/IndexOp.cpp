#include "complete/induced/IndexOp.hpp"

#include "platform/FatalError.hpp"

#include <ostream>

namespace GFCLib {

IndexOp::IndexOp(IntVar* index, const std::vector<Value>& values, bool total)
    : m_index(index), m_total(total) {
    if (index == nullptr || index->GetIntSpec() == nullptr)
        throw Platform::InternalError("Index needs an integer index variable");
    for (const Value& v : values)
        m_values.push_back(v.GetInt());
    // The positions of the list the index can take: walked over the list, which is usually
    // far shorter than the index's domain.
    std::vector<int> reachable;
    for (std::size_t i = 0; i < m_values.size(); ++i)
        if (index->ContainsInt(static_cast<long long>(i))) reachable.push_back(m_values[i]);
    if (m_total && (index->MinInt() < 0 || index->MaxInt() >= static_cast<long long>(m_values.size())))
        reachable.push_back(0);
    SetComputedDomain(std::move(reachable));
    Define(this, {index});
}

bool IndexOp::At(long long i, int& v) const {
    if (i < 0 || i >= static_cast<long long>(m_values.size())) {
        v = 0;
        return m_total;
    }
    v = m_values[static_cast<std::size_t>(i)];
    return true;
}

void IndexOp::PrintExpr(std::ostream& os) const {
    os << (m_total ? "TotalIndex(" : "Index(");
    m_index->PrintName(os);
    os << ";";
    for (std::size_t i = 0; i < m_values.size(); ++i)
        os << (i > 0 ? "," : "") << m_values[i];
    os << ")";
}

bool IndexOp::Holds() const {
    int v = 0;
    return At(m_index->GetInt(), v) && v == GetInt();
}

bool IndexOp::Propagate() {
    if (m_index->IsFixed()) {
        int v = 0;
        if (!At(m_index->MinInt(), v)) return false;
        return Fix(v);
    }
    if (m_total) return PropagateTotal();
    FiniteDomain& d = m_index->GetDomain();
    const bool fixed = IsFixed();
    BitVector& mark = Scratch();
    // Positions beyond the list have no value.
    if (!m_index->KeepRange(0, static_cast<long long>(m_values.size()) - 1)) return false;
    d.ForEachIndex([&](int p) {
        int v = 0;
        int k = -1;
        if (At(m_index->GetIntSpec()->IntAt(p), v)) k = m_intSpec->IndexOfInt(v);
        const bool supported = k >= 0 && (fixed ? v == MinInt() : m_domain.Contains(k));
        if (supported)
            mark.Set(k, true);
        else
            (void)d.Remove(p);
    });
    if (d.IsEmpty()) return false;
    return fixed || m_domain.KeepMarked(mark);
}

bool IndexOp::PropagateTotal() {
    // The positions outside the list all give 0: they stay or go together, and only the list's
    // positions are walked (the index's domain may be far larger).
    FiniteDomain& d = m_index->GetDomain();
    const IntDomainSpec* spec = m_index->GetIntSpec();
    const bool fixed = IsFixed();
    BitVector& mark = Scratch();
    const auto supported = [&](int v, int& k) {
        k = m_intSpec->IndexOfInt(v);
        return k >= 0 && (fixed ? v == MinInt() : m_domain.Contains(k));
    };
    const long long n = static_cast<long long>(m_values.size());
    if (m_index->MinInt() < 0 || m_index->MaxInt() >= n) {
        int k = -1;
        if (supported(0, k))
            mark.Set(k, true);
        else if (!m_index->KeepRange(0, n - 1))
            return false;
    }
    for (long long i = 0; i < n; ++i) {
        const int p = spec->IndexOfInt(i);
        if (p < 0 || !d.Contains(p)) continue;
        int k = -1;
        if (supported(m_values[static_cast<std::size_t>(i)], k))
            mark.Set(k, true);
        else
            (void)d.Remove(p);
    }
    if (d.IsEmpty()) return false;
    return fixed || m_domain.KeepMarked(mark);
}

} // namespace GFCLib
