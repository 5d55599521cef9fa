#pragma once
// Base of the induced integer variables z = a op b over two operands (variables or constants).
// Propagation narrows by bounds (interval arithmetic) whatever the domains' sizes; once one
// operand is fixed and the other has few values, the other keeps the values whose result is
// still in z's domain and z keeps the results the other operand can still produce.
// Each operator computes its exact result in 64 bits (Exact); what becomes of a result beyond
// the int range and of a pair the operator has no result for is the variable's choice, made
// before its domain is computed:
// - by default neither is a value (the pair is excluded);
// - saturating: a result outside the saturation range (the int range, or -2^30 .. 2^30 - 1
//   when the results span more values than a domain can hold) is held at the nearest end, so
//   the upper end stands for every result at or above it (exact wherever the variable is only
//   compared with a constant strictly inside that range);
// - total: a pair without a result gives 0, for places that state the operator's definedness
//   by a condition of their own.

#include "complete/IntVar.hpp"
#include "complete/induced/InducedIntVar.hpp"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace GFCLib {

class IntBinOp : public InducedIntVar {
public:
    // Binds the operands and makes the domain every result over all pairs of operand values.
    void ComputeDomain(CPObject* a, CPObject* b);
    // The same, skipping the pairs the operator rejects (zero divisor).
    void ComputeDomainChecked(CPObject* a, CPObject* b) { ComputeDomain(a, b); }

    // Results beyond the int range are held at its nearest end (call before ComputeDomain).
    void SetSaturating(bool saturating) { m_saturating = saturating; }
    // Pairs without a result give 0 (call before ComputeDomain); printed with a "total" mark,
    // so it is never taken for the variable that excludes those pairs.
    void SetTotal(bool total) { m_total = total; }
    // True when some pair of the operands' values, as they were when the domain was computed,
    // gives an exact result beyond the int range (beyond the saturation range when saturating;
    // a bound estimate when there were too many pairs to enumerate).
    bool LeavesIntRange() const { return m_leavesIntRange; }
    long long SaturationLow() const { return m_saturationLow; }
    long long SaturationHigh() const { return m_saturationHigh; }

    // r := exact a op b in 64 bits (for a result too large for 64 bits: some value beyond the
    // int range with the result's sign); false when the operator has no result for the pair.
    virtual bool Exact(long long a, long long b, long long& r) const = 0;
    // r := the variable's value for the pair; false when the pair is excluded.
    bool Apply(long long a, long long b, long long& r) const { return Finish(Exact(a, b, r), r); }
    virtual const char* Symbol() const = 0;
    // When the results over the operand ranges loA .. hiA and loB .. hiB (both contiguous) are
    // exactly the integers lo .. hi before clipping to the int range, sets them and returns
    // true, so no pairs need enumerating; false (the default) when that does not hold.
    virtual bool RangeOfIntervals(long long loA, long long hiA, long long loB, long long hiB, long long& lo,
                                  long long& hi) const {
        (void)loA, (void)hiA, (void)loB, (void)hiB, (void)lo, (void)hi;
        return false;
    }

    void PrintExpr(std::ostream& os) const override;
    bool Holds() const override;
    bool Propagate() override;

protected:
    // The value for an exact result (defined: whether the operator had one), as Apply.
    bool Finish(bool defined, long long& r) const {
        if (!defined) {
            if (!m_total) return false;
            r = 0;
            return true;
        }
        if (!m_saturating) return InIntRange(r);
        r = std::clamp(r, m_saturationLow, m_saturationHigh);
        return true;
    }
    // Makes the domain the exact results lo .. hi (as far as they can be held) and records
    // whether they leave the range; for a saturating variable whose results span more values
    // than a domain can hold, narrows the saturation range first.
    void SetResultRange(long long lo, long long hi);
    // The propagation over a non-virtual exact(a, b, r) (the subclasses pass their own
    // operator, so the inner loops make no virtual calls): the result within what the operands'
    // ranges give and the operands within what the result allows (Bounds, Solve); then, once one
    // operand is fixed and the other has few values, value by value: the other operand keeps the
    // values whose result is still possible and the result keeps what they give.
    template <typename F> bool PropagateUsing(F exact) { return PropagateUsing(exact, nullptr); }
    // With invert(fixedIsA, fixed, result, x) (x := the other operand giving result), operators
    // that can be solved for an operand skip building the result's image when nothing but the
    // definition reads the result's domain: only the operand values leading to removed results
    // are removed, which costs the removed results instead of the operand's whole domain.
    template <typename F, typename G> bool PropagateUsing(F exact, G invert) {
        const auto compute = [&](long long a, long long b, long long& r) {
            return Finish(exact(a, b, r), r);
        };
        const bool aFixed = m_aVar == nullptr || m_aVar->IsFixed();
        const bool bFixed = m_bVar == nullptr || m_bVar->IsFixed();
        if (aFixed && bFixed) {
            long long r = 0;
            if (!compute(MinOf(m_a), MinOf(m_b), r)) return false;
            return Fix(r);
        }
        if (!PropagateBounds()) return false;
        if (!aFixed && !bFixed) return true;
        IntVar* x = aFixed ? m_bVar : m_aVar;
        const long long fixed = aFixed ? MinOf(m_a) : MinOf(m_b);
        const auto apply = [&](long long v, long long& r) {
            return aFixed ? compute(fixed, v, r) : compute(v, fixed, r);
        };
        FiniteDomain& dx = x->GetDomain();
        const IntDomainSpec* sx = x->GetIntSpec();
        // An operand with more values than are worth trying one by one keeps its bounds: leaving
        // values is always sound, and the definition is checked once it is bound.
        if (x->IsInstantiated() || dx.Count() > kValueFilterLimit) return true;
        if (IsFixed()) {
            const long long z = MinInt();
            for (int p = dx.MinIndex(); p >= 0; p = dx.NextAfter(p)) {
                long long r = 0;
                if (!apply(sx->IntAt(p), r) || r != z) (void)dx.Remove(p);
            }
            return !dx.IsEmpty();
        }
        if constexpr (!std::is_same_v<G, std::nullptr_t>) {
            // A result held at an end of the int range stands for many: inverting it would
            // find one operand value of them.
            if (GetConstraints().size() == 1 && m_complete && !m_leavesIntRange && !m_total &&
                m_domain.UniverseSize() <= kValueFilterLimit) {
                m_domain.ForEachMissing([&](int k) {
                    long long v = 0;
                    if (invert(aFixed, fixed, m_intSpec->IntAt(k), v)) {
                        const int p = sx->IndexOfInt(v);
                        if (p >= 0) (void)dx.Remove(p);
                    }
                });
                return !dx.IsEmpty();
            }
        }
        const bool marking = m_domain.UniverseSize() <= kMarkableUniverse;
        BitVector* mark = marking ? &Scratch() : nullptr;
        // Without marks the result keeps the bounds of what the operand can still produce.
        long long lo = kMaxInt;
        long long hi = kMinInt;
        for (int p = dx.MinIndex(); p >= 0; p = dx.NextAfter(p)) {
            long long r = 0;
            int k = -1;
            if (apply(sx->IntAt(p), r)) k = m_intSpec->IndexOfInt(r);
            if (k < 0 || !m_domain.Contains(k)) {
                (void)dx.Remove(p);
                continue;
            }
            if (marking) mark->Set(k, true);
            lo = std::min(lo, r);
            hi = std::max(hi, r);
        }
        if (dx.IsEmpty()) return false;
        return marking ? m_domain.KeepMarked(*mark) : KeepRange(lo, hi);
    }

    // Bounds propagation: the result within Bounds over the operands' ranges, and each operand
    // within what Solve finds for it; false when a domain empties.
    [[nodiscard]] bool PropagateBounds();
    // The values x can take when x op o (x first when xFirst) is within zLo .. zHi and o within
    // oLo .. oHi: lo .. hi (lo > hi: none), and whether x must differ from 0. False when the
    // operator says nothing about x that way (the default).
    virtual bool Solve(bool xFirst, long long zLo, long long zHi, long long oLo, long long oHi, long long& lo,
                       long long& hi, bool& notZero) const {
        (void)xFirst, (void)zLo, (void)zHi, (void)oLo, (void)oHi, (void)lo, (void)hi, (void)notZero;
        return false;
    }

    // Exact result bounds (beyond the int range when results are) when there are too many
    // pairs to enumerate: the corners by default (exact for operators monotone in each
    // argument); pairs without a result are left out.
    virtual void Bounds(long long loA, long long hiA, long long loB, long long hiB, long long& lo,
                        long long& hi) const;

    CPObject* m_a = nullptr;
    CPObject* m_b = nullptr;
    IntVar* m_aVar = nullptr; // null when the operand is a constant
    IntVar* m_bVar = nullptr;
    bool m_complete = false; // the domain holds every result over all operand pairs
    bool m_saturating = false;
    long long m_saturationLow = kMinInt;
    long long m_saturationHigh = kMaxInt;
    bool m_total = false;
    bool m_leavesIntRange = false;
};

} // namespace GFCLib
