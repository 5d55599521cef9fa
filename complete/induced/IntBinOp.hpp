#pragma once
// Base of the induced integer variables z = a op b over two operands (variables or constants).
// Forward checking: once one operand is bound, the other operand keeps the values whose result
// is still in z's domain and z keeps the results the other operand can still produce.

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
