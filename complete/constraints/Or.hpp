#pragma once
// At least one of the constraints holds. A disjunction propagates: once one operand cannot
// hold, the other is made to hold (ordering two tasks either way round narrows their times as
// soon as one way is ruled out); the other connectives forward-check when one variable is left.

#include "complete/constraints/BinaryLogical.hpp"

namespace GFCLib {

class Or : public BinaryLogical {
public:
    Or(Constraint* lhs, Constraint* rhs) : BinaryLogical(lhs, rhs) {}
    const char* GetName() const override { return "Or"; }
    bool Combine(bool a, bool b) const override { return a || b; }
    DomainEvent WakeOn(int i) const override {
        (void)i;
        return DomainEvent::Bounds;
    }
    // What the operands' truth says, then the filter by trying values on the last unbound
    // variable.
    bool Propagate() override { return EnforceTruth(true) && (!IsAllButOneBound() || ForwardCheck()); }
    bool PropagatesOnLabelling() const override { return true; }
    bool PropagatesBeforeSearch() const override { return false; }
};

} // namespace GFCLib
