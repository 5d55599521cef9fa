#include "complete/induced/IntBinOp.hpp"

#include "platform/FatalError.hpp"

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
    const IntDomainSpec* spec = var->GetIntSpec();
    values.reserve(static_cast<std::size_t>(var->GetDomain().Count()));
    var->GetDomain().ForEachIndex([&](int p) { values.push_back(spec->IntAt(p)); });
    return values;
}

// Number of values the operand can take, and whether they are every integer between its ends.
long long CountAndShape(const CPObject* operand, bool& contiguous) {
    if (operand->IsBound()) {
        contiguous = true;
        return 1;
    }
    const auto* var = static_cast<const IntVar*>(operand);
    const FiniteDomain& d = var->GetDomain();
    contiguous = d.IsRange() && var->GetIntSpec()->IsContiguous();
    return d.Count();
}
} // namespace

void IntBinOp::ComputeDomain(CPObject* a, CPObject* b) {
    m_aVar = CheckIntOperand(a);
    m_bVar = CheckIntOperand(b);
    m_a = a;
    m_b = b;
    bool rangeA = false;
    bool rangeB = false;
    const long long countA = CountAndShape(a, rangeA);
    const long long countB = CountAndShape(b, rangeB);
    long long lo = 0;
    long long hi = 0;
    m_leavesIntRange = false;
    if (countA > 0 && countB > 0 && rangeA && rangeB &&
        RangeOfIntervals(MinOf(a), MaxOf(a), MinOf(b), MaxOf(b), lo, hi)) {
        // Results outside the int range are dropped by both ways and held at its ends when
        // saturating, so clipping keeps it exact.
        SetResultRange(lo, hi);
        m_complete = true;
    } else if (countA * countB <= (1LL << 22)) {
        const std::vector<long long> valuesA = ValuesOf(a);
        const std::vector<long long> valuesB = ValuesOf(b);
        {
            std::vector<int> results;
            results.reserve(static_cast<std::size_t>(countA * countB));
            for (long long x : valuesA)
                for (long long y : valuesB) {
                    long long r = 0;
                    const bool defined = Exact(x, y, r);
                    if (defined && !InIntRange(r)) m_leavesIntRange = true;
                    if (Finish(defined, r)) results.push_back(static_cast<int>(r));
                }
            SetComputedDomain(std::move(results));
        }
        m_complete = true;
    } else {
        Bounds(MinOf(a), MaxOf(a), MinOf(b), MaxOf(b), lo, hi);
        if (m_total) {
            // Pairs without a result give 0.
            lo = std::min(lo, 0LL);
            hi = std::max(hi, 0LL);
        }
        SetResultRange(lo, hi);
        m_complete = false;
    }
    Define(this, {a, b});
}

void IntBinOp::SetResultRange(long long lo, long long hi) {
    if (m_saturating &&
        std::min(hi, kMaxInt) - std::max(lo, kMinInt) + 1 > FiniteDomainSpec::kMaxUniverseSize) {
        m_saturationLow = -(1LL << 30);
        m_saturationHigh = (1LL << 30) - 1;
    }
    const long long low = m_saturating ? m_saturationLow : kMinInt;
    const long long high = m_saturating ? m_saturationHigh : kMaxInt;
    m_leavesIntRange = lo < low || hi > high;
    // Saturating, results beyond an end become that end; otherwise they are no values, which
    // clipping to the int range drops.
    if (m_saturating && lo <= hi)
        SetComputedRange(std::clamp(lo, low, high), std::clamp(hi, low, high));
    else
        SetComputedRange(lo, hi);
}

void IntBinOp::Bounds(long long loA, long long hiA, long long loB, long long hiB, long long& lo,
                      long long& hi) const {
    lo = kMaxInt;
    hi = kMinInt;
    for (long long x : {loA, hiA})
        for (long long y : {loB, hiB}) {
            long long r = 0;
            if (!Exact(x, y, r)) continue;
            lo = std::min(lo, r);
            hi = std::max(hi, r);
        }
}

void IntBinOp::PrintExpr(std::ostream& os) const {
    os << (m_total ? "total(" : "(");
    m_a->PrintName(os);
    os << Symbol();
    m_b->PrintName(os);
    os << ")";
}

bool IntBinOp::Holds() const {
    long long r = 0;
    return Apply(ValueOf(m_a), ValueOf(m_b), r) && r == GetInt();
}

bool IntBinOp::PropagateBounds() {
    const long long loA = MinOf(m_a);
    const long long hiA = MaxOf(m_a);
    const long long loB = MinOf(m_b);
    const long long hiB = MaxOf(m_b);
    long long lo = 0;
    long long hi = 0;
    Bounds(loA, hiA, loB, hiB, lo, hi);
    if (lo <= hi) {
        if (m_total) {
            lo = std::min(lo, 0LL);
            hi = std::max(hi, 0LL);
        }
        if (m_saturating) {
            lo = std::clamp(lo, m_saturationLow, m_saturationHigh);
            hi = std::clamp(hi, m_saturationLow, m_saturationHigh);
        }
        if (!Restrict(lo, hi)) return false;
    }
    // A result held at an end of the saturation range stands for every result beyond it, and a
    // total operator's 0 for the pairs without a result: neither solves for an operand.
    const long long zLo = MinInt();
    const long long zHi = MaxInt();
    if (m_total || (m_saturating && (zLo <= m_saturationLow || zHi >= m_saturationHigh))) return true;
    const auto narrow = [&](IntVar* x, bool xFirst, long long oLo, long long oHi) {
        if (x == nullptr || x->IsInstantiated()) return true;
        long long xLo = 0;
        long long xHi = 0;
        bool notZero = false;
        if (!Solve(xFirst, zLo, zHi, oLo, oHi, xLo, xHi, notZero)) return true;
        return x->Restrict(xLo, xHi) && (!notZero || x->Exclude(0));
    };
    return narrow(m_aVar, true, MinOf(m_b), MaxOf(m_b)) && narrow(m_bVar, false, MinOf(m_a), MaxOf(m_a));
}

bool IntBinOp::Propagate() {
    return PropagateUsing([this](long long a, long long b, long long& r) { return Exact(a, b, r); });
}

} // namespace GFCLib
