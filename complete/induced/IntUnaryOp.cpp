#include "complete/induced/IntUnaryOp.hpp"

#include "platform/FatalError.hpp"

#include <algorithm>
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
    if (m_aVar == nullptr || m_aVar->IsFixed()) {
        long long r = 0;
        if (!Apply(MinOf(m_a), r)) return false;
        return Fix(r);
    }
    // A bound operand's domain is not its value (handled above); a wide one waits for its value.
    FiniteDomain& dx = m_aVar->GetDomain();
    if (m_aVar->IsInstantiated() || dx.Count() > kValueFilterLimit) return true;
    const IntDomainSpec* sx = m_aVar->GetIntSpec();
    const bool fixed = IsFixed();
    const bool marking = !fixed && m_domain.UniverseSize() <= kMarkableUniverse;
    BitVector* mark = marking ? &Scratch() : nullptr;
    long long lo = kMaxInt;
    long long hi = kMinInt;
    for (int p = dx.MinIndex(); p >= 0; p = dx.NextAfter(p)) {
        long long r = 0;
        int k = -1;
        if (Apply(sx->IntAt(p), r)) k = m_intSpec->IndexOfInt(r);
        if (k < 0 || !(fixed ? r == MinInt() : m_domain.Contains(k))) {
            (void)dx.Remove(p);
            continue;
        }
        if (marking) mark->Set(k, true);
        lo = std::min(lo, r);
        hi = std::max(hi, r);
    }
    if (dx.IsEmpty()) return false;
    if (fixed) return true;
    return marking ? m_domain.KeepMarked(*mark) : KeepRange(lo, hi);
}

} // namespace GFCLib
