#pragma once
// Base of the induced integer variables z = a op b over two operands (variables or constants).
// Forward checking: once one operand is bound, the other operand keeps the values whose result
// is still in z's domain and z keeps the results the other operand can still produce.

#include "complete/IntVar.hpp"
#include "complete/induced/InducedIntVar.hpp"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace GFCLib {

class IntBinOp : public InducedIntVar {
public:
    // Binds the operands and makes the domain every result over all pairs of operand values.
    void ComputeDomain(CPObject* a, CPObject* b);
    // The same, skipping the pairs the operator rejects (zero divisor, negative exponent).
    void ComputeDomainChecked(CPObject* a, CPObject* b) { ComputeDomain(a, b); }

    // r := a op b; false when the operator rejects the pair or the result leaves the int range.
    virtual bool Apply(long long a, long long b, long long& r) const = 0;
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
    bool WantsPropagation() const override;
    bool Propagate() override;

protected:
    // The forward-checking filter over a non-virtual compute(a, b, r) (the subclasses pass
    // their own operator, so the inner loop makes no virtual calls).
    template <typename F> bool PropagateUsing(F compute) { return PropagateUsing(compute, nullptr); }
    // With invert(fixedIsA, fixed, result, x) (x := the other operand giving result), operators
    // that can be solved for an operand skip building the result's image when nothing but the
    // definition reads the result's domain: only the operand values leading to removed results
    // are removed, which costs the removed results instead of the operand's whole domain.
    template <typename F, typename G> bool PropagateUsing(F compute, G invert) {
        const bool aFixed = m_aVar == nullptr || m_aVar->IsInstantiated();
        const bool bFixed = m_bVar == nullptr || m_bVar->IsInstantiated();
        const long long a = aFixed ? (m_aVar != nullptr ? m_aVar->GetInt() : ValueOf(m_a)) : 0;
        const long long b = bFixed ? (m_bVar != nullptr ? m_bVar->GetInt() : ValueOf(m_b)) : 0;
        if (aFixed && bFixed) {
            long long r = 0;
            if (!compute(a, b, r)) return false;
            if (IsInstantiated()) return r == GetInt();
            return KeepInt(static_cast<int>(r));
        }
        if (!aFixed && !bFixed) return true;
        IntVar* x = aFixed ? m_bVar : m_aVar;
        const long long fixed = aFixed ? a : b;
        const auto apply = [&](long long v, long long& r) {
            return aFixed ? compute(fixed, v, r) : compute(v, fixed, r);
        };
        FiniteDomain& dx = x->GetDomain();
        const IntDomainSpec* sx = x->GetIntSpec();
        if (IsInstantiated()) {
            const long long z = GetInt();
            dx.ForEachIndex([&](int p) {
                long long r = 0;
                if (!apply(sx->IntAt(p), r) || r != z) (void)dx.Remove(p);
            });
            return !dx.IsEmpty();
        }
        if constexpr (!std::is_same_v<G, std::nullptr_t>) {
            if (GetConstraints().size() == 1 && m_complete) {
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
        BitVector& mark = Scratch();
        dx.ForEachIndex([&](int p) {
            long long r = 0;
            int k = -1;
            if (apply(sx->IntAt(p), r)) k = m_intSpec->IndexOfInt(r);
            if (k >= 0 && m_domain.Contains(k))
                mark.Set(k, true);
            else
                (void)dx.Remove(p);
        });
        if (dx.IsEmpty()) return false;
        return m_domain.KeepMarked(mark);
    }

    // Result bounds when there are too many pairs to enumerate: the corners by default
    // (exact for operators monotone in each argument).
    virtual void Bounds(long long loA, long long hiA, long long loB, long long hiB, long long& lo,
                        long long& hi) const;

    CPObject* m_a = nullptr;
    CPObject* m_b = nullptr;
    IntVar* m_aVar = nullptr; // null when the operand is a constant
    IntVar* m_bVar = nullptr;
    bool m_complete = false; // the domain holds every result over all operand pairs
};

} // namespace GFCLib
