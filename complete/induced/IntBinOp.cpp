#include "complete/induced/IntBinOp.hpp"

#include <algorithm>
#include <ostream>

namespace GFCLib {

void IntBinOp::ComputeDomain(CPObject* a, CPObject* b) {
    m_aVar = CheckIntOperand(a);
    m_bVar = CheckIntOperand(b);
    m_a = a;
    m_b = b;
    long long countA = 0;
    long long countB = 0;
    ForEachInt(a, [&](long long) { ++countA; });
    ForEachInt(b, [&](long long) { ++countB; });
    if (countA * countB <= (1LL << 22)) {
        std::vector<int> results;
        ForEachInt(a, [&](long long x) {
            ForEachInt(b, [&](long long y) {
                long long r = 0;
                if (Apply(x, y, r)) results.push_back(static_cast<int>(r));
            });
        });
        SetComputedDomain(std::move(results));
        m_complete = true;
    } else {
        long long lo = 0;
        long long hi = 0;
        Bounds(MinOf(a), MaxOf(a), MinOf(b), MaxOf(b), lo, hi);
        SetComputedRange(lo, hi);
        m_complete = false;
    }
    Define(this, {a, b});
}

void IntBinOp::Bounds(long long loA, long long hiA, long long loB, long long hiB, long long& lo,
                      long long& hi) const {
    lo = kMaxInt;
    hi = kMinInt;
    for (long long x : {loA, hiA})
        for (long long y : {loB, hiB}) {
            long long r = 0;
            if (!Apply(x, y, r)) continue;
            lo = std::min(lo, r);
            hi = std::max(hi, r);
        }
}

void IntBinOp::PrintExpr(std::ostream& os) const {
    os << "(";
    m_a->PrintName(os);
    os << Symbol();
    m_b->PrintName(os);
    os << ")";
}

bool IntBinOp::Holds() const {
    long long r = 0;
    return Apply(ValueOf(m_a), ValueOf(m_b), r) && r == GetInt();
}

bool IntBinOp::WantsPropagation() const {
    return m_a->IsBound() || m_b->IsBound();
}

bool IntBinOp::Propagate() {
    return PropagateUsing([this](long long a, long long b, long long& r) { return Apply(a, b, r); });
}

} // namespace GFCLib
