#include "complete/induced/IntBinOp.hpp"

#include <algorithm>
#include <ostream>

namespace GFCLib {

namespace {
// The operand's values in increasing order (a bound operand has one).
std::vector<long long> ValuesOf(const CPObject* operand) {
    std::vector<long long> values;
    if (operand->IsBound()) {
        values.push_back(operand->GetValue().GetInt());
        return values;
    }
    const auto* var = static_cast<const IntVar*>(operand);
    const FiniteDomain& d = var->GetDomain();
    const IntDomainSpec* spec = var->GetIntSpec();
    values.reserve(static_cast<std::size_t>(d.Size()));
    for (int p = d.MinIndex(); p >= 0; p = d.NextIndex(p + 1))
        values.push_back(spec->IntAt(p));
    return values;
}

bool IsInterval(const std::vector<long long>& sorted) {
    return !sorted.empty() && sorted.back() - sorted.front() + 1 == static_cast<long long>(sorted.size());
}
} // namespace

void IntBinOp::ComputeDomain(CPObject* a, CPObject* b) {
    m_aVar = CheckIntOperand(a);
    m_bVar = CheckIntOperand(b);
    m_a = a;
    m_b = b;
    const std::vector<long long> valuesA = ValuesOf(a);
    const std::vector<long long> valuesB = ValuesOf(b);
    const long long countA = static_cast<long long>(valuesA.size());
    const long long countB = static_cast<long long>(valuesB.size());
    if (countA * countB <= (1LL << 22)) {
        long long lo = 0;
        long long hi = 0;
        if (IsInterval(valuesA) && IsInterval(valuesB) &&
            RangeOfIntervals(valuesA.front(), valuesA.back(), valuesB.front(), valuesB.back(), lo, hi)) {
            // Results outside the int range are dropped by both ways, so clipping keeps it exact.
            SetComputedRange(lo, hi);
        } else {
            std::vector<int> results;
            results.reserve(static_cast<std::size_t>(countA * countB));
            for (long long x : valuesA)
                for (long long y : valuesB) {
                    long long r = 0;
                    if (Apply(x, y, r)) results.push_back(static_cast<int>(r));
                }
            SetComputedDomain(std::move(results));
        }
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
