#pragma once
// a <= b.

#include "complete/BinaryConstraint.hpp"
#include "complete/IntVar.hpp"
#include "complete/Value.hpp"

namespace GFCLib {

class LessThanEq : public BinaryConstraint {
public:
    LessThanEq() = default;
    LessThanEq(CPObject* a, CPObject* b) : BinaryConstraint(a, b) {}
    const char* GetName() const override { return "LessThanEq"; }
    bool IsSatisfied() const override { return A()->GetValue() <= B()->GetValue(); }
    bool FilterArg(int i) override;
    // Between two integer variables: their bounds.
    DomainEvent WakeOn(int i) const override {
        (void)i;
        return m_vars.size() == 2 && BothIntegers() ? DomainEvent::Bounds : DomainEvent::None;
    }
    bool Propagate() override { return !BothIntegers() || KeepOrdered(0, 1, 0); }
    Truth Entailment() const override { return BothIntegers() ? Ordered(0, 1, 0) : Constraint::Entailment(); }
    bool EnforceNegation() override { return !BothIntegers() || KeepOrdered(1, 0, 1); }
    // Against a bound other side the filter is already exact.
    bool FilterExact(int i) override {
        return Other(i)->IsBound() ? FilterArg(i) : Constraint::FilterExact(i);
    }
};

} // namespace GFCLib
