#pragma once
// a = b over numbers, strings or sets.

#include "complete/BinaryConstraint.hpp"
#include "complete/Value.hpp"

namespace GFCLib {

class Equal : public BinaryConstraint {
public:
    Equal() = default;
    Equal(CPObject* a, CPObject* b) : BinaryConstraint(a, b) {}
    const char* GetName() const override { return "Equal"; }
    bool IsSatisfied() const override { return A()->GetValue() == B()->GetValue(); }
    // The unbound side keeps only the bound side's value.
    bool FilterArg(int i) override;
    // Against a bound other side the filter is already exact.
    bool FilterExact(int i) override {
        return Other(i)->IsBound() ? FilterArg(i) : Constraint::FilterExact(i);
    }
    // Between two finite variables: each keeps the other's values (integer variables their
    // bounds, and their values too when they have few).
    DomainEvent WakeOn(int i) const override {
        (void)i;
        return m_vars.size() == 2 ? DomainEvent::Values : DomainEvent::None;
    }
    bool Propagate() override;
    Truth Entailment() const override;
    // A side fixed to a value takes it from the other.
    bool EnforceNegation() override;
};

} // namespace GFCLib
