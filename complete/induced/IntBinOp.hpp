#pragma once
// Base of the induced integer variables z = a op b over two operands (variables or constants).
// Forward checking: once one operand is bound, the other operand keeps the values whose result
// is still in z's domain and z keeps the results the other operand can still produce.

#include "complete/IntVar.hpp"
#include "complete/induced/InducedIntVar.hpp"

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

    void PrintExpr(std::ostream& os) const override;
    bool Holds() const override;
    bool WantsPropagation() const override;
    bool Propagate() override;

protected:
    // The forward-checking filter over a non-virtual compute(a, b, r) (the subclasses pass
    // their own operator, so the inner loop makes no virtual calls).
    template <typename F> bool PropagateUsing(F compute) {
        const bool aFixed = m_a->IsBound();
        const bool bFixed = m_b->IsBound();
        if (aFixed && bFixed) {
            long long r = 0;
            if (!compute(ValueOf(m_a), ValueOf(m_b), r)) return false;
            if (IsInstantiated()) return r == GetInt();
            return KeepInt(static_cast<int>(r));
        }
        if (!aFixed && !bFixed) return true;
        IntVar* x = aFixed ? m_bVar : m_aVar;
        const long long fixed = aFixed ? ValueOf(m_a) : ValueOf(m_b);
        const auto apply = [&](long long v, long long& r) {
            return aFixed ? compute(fixed, v, r) : compute(v, fixed, r);
        };
        FiniteDomain& dx = x->GetDomain();
        const IntDomainSpec* sx = x->GetIntSpec();
        if (IsInstantiated()) {
            const long long z = GetInt();
            dx.GetState().Bits().ForEachSet([&](int p) {
                long long r = 0;
                if (!apply(sx->IntAt(p), r) || r != z) (void)dx.Remove(p);
            });
            return !dx.IsEmpty();
        }
        BitVector& mark = Scratch();
        dx.GetState().Bits().ForEachSet([&](int p) {
            long long r = 0;
            int k = -1;
            if (apply(sx->IntAt(p), r)) k = m_intSpec->IndexOfInt(static_cast<int>(r));
            if (k >= 0 && m_domain.Contains(k))
                mark.Set(k, true);
            else
                (void)dx.Remove(p);
        });
        if (dx.IsEmpty()) return false;
        return m_domain.IntersectBits(mark);
    }

    // Result bounds when there are too many pairs to enumerate: the corners by default
    // (exact for operators monotone in each argument).
    virtual void Bounds(long long loA, long long hiA, long long loB, long long hiB, long long& lo,
                        long long& hi) const;

    CPObject* m_a = nullptr;
    CPObject* m_b = nullptr;
    IntVar* m_aVar = nullptr; // null when the operand is a constant
    IntVar* m_bVar = nullptr;
};

} // namespace GFCLib
