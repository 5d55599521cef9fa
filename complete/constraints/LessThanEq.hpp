#pragma once
// a <= b.

#include "complete/BinaryConstraint.hpp"
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
        return m_vars.size() == 2 ? DomainEvent::Bounds : DomainEvent::None;
    }
    bool Propagate() override {
        IntVar* a = IntA();
        IntVar* b = IntB();
        return a == nullptr || b == nullptr || KeepOrdered(a, b, 0);
    }
    // Against a bound other side the filter is already exact.
    bool FilterExact(int i) override {
        return Other(i)->IsBound() ? FilterArg(i) : Constraint::FilterExact(i);
    }
};

} // namespace GFCLib
