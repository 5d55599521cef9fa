#include "complete/induced/IntUnaryOp.hpp"

#include "platform/FatalError.hpp"

#include <ostream>

namespace GFCLib {

void IntUnaryOp::ComputeDomain(CPObject* a) {
    m_aVar = CheckIntOperand(a);
    m_a = a;
    if (CountOf(a) > kMaxDomainSize) throw Platform::ResourceError("Expression domain too large");
    std::vector<int> results;
    m_leavesIntRange = false;
    ForEachInt(a, [&](long long x) {
        long long r = 0;
        if (Exact(x, r) && !InIntRange(r)) m_leavesIntRange = true;
        if (Apply(x, r)) results.push_back(static_cast<int>(r));
    });
    SetComputedDomain(std::move(results));
    Define(this, {a});
}

void IntUnaryOp::PrintExpr(std::ostream& os) const {
    os << FunctionName() << "(";
    m_a->PrintName(os);
    os << ")";
}

bool IntUnaryOp::Holds() const {
    long long r = 0;
    return Apply(ValueOf(m_a), r) && r == GetInt();
}

bool IntUnaryOp::Propagate() {
    if (m_a->IsBound()) {
        long long r = 0;
        if (!Apply(ValueOf(m_a), r)) return false;
        if (IsInstantiated()) return r == GetInt();
        return KeepInt(static_cast<int>(r));
    }
    FiniteDomain& dx = m_aVar->GetDomain();
    const IntDomainSpec* sx = m_aVar->GetIntSpec();
    const bool fixed = IsInstantiated();
    BitVector& mark = Scratch();
    dx.ForEachIndex([&](int p) {
        long long r = 0;
        int k = -1;
        if (Apply(sx->IntAt(p), r)) k = m_intSpec->IndexOfInt(r);
        const bool supported = fixed ? (k >= 0 && r == GetInt()) : (k >= 0 && m_domain.Contains(k));
        if (supported)
            mark.Set(k, true);
        else
            (void)dx.Remove(p);
    });
    if (dx.IsEmpty()) return false;
    return fixed || m_domain.KeepMarked(mark);
}

} // namespace GFCLib
