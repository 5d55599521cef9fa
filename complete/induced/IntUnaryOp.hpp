#pragma once
// Base of the induced integer variables z = f(a) over one operand. As with two operands
// (IntBinOp), a result beyond the int range is no value by default and is held at the nearest
// end when saturating.

#include "complete/induced/InducedIntVar.hpp"

namespace GFCLib {

class IntUnaryOp : public InducedIntVar {
public:
    // Binds the operand and makes the domain every result over the operand's values.
    void ComputeDomain(CPObject* a);
    // Results beyond the int range are held at its nearest end (call before ComputeDomain).
    void SetSaturating(bool saturating) { m_saturating = saturating; }
    // True when some value of the operand, as it was when the domain was computed, gives a
    // result beyond the int range.
    bool LeavesIntRange() const { return m_leavesIntRange; }
    // r := exact f(a) in 64 bits; false when there is no result.
    virtual bool Exact(long long a, long long& r) const = 0;
    // r := the variable's value for a; false when a is excluded.
    bool Apply(long long a, long long& r) const {
        if (!Exact(a, r)) return false;
        if (InIntRange(r)) return true;
        if (!m_saturating) return false;
        r = r < 0 ? kMinInt : kMaxInt;
        return true;
    }
    virtual const char* FunctionName() const = 0;

    void PrintExpr(std::ostream& os) const override;
    bool Holds() const override;
    bool Propagate() override;

protected:
    CPObject* m_a = nullptr;
    IntVar* m_aVar = nullptr;
    bool m_saturating = false;
    bool m_leavesIntRange = false;
};

} // namespace GFCLib
