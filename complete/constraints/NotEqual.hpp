#pragma once
// a <> b over numbers, strings or sets.

#include "complete/BinaryConstraint.hpp"
#include "complete/Value.hpp"
#include "complete/Variable.hpp"

namespace GFCLib {

class NotEqual : public BinaryConstraint {
public:
    NotEqual() = default;
    NotEqual(CPObject* a, CPObject* b) : BinaryConstraint(a, b) {}
    const char* GetName() const override { return "NotEqual"; }
    bool IsSatisfied() const override {
        if (m_vars.size() == 2) return m_vars[0]->GetCurrentValue() != m_vars[1]->GetCurrentValue();
        return A()->GetValue() != B()->GetValue();
    }
    // Expands the variables' domains so single values can be removed, then attaches.
    void Attach() override;
    // Between two finite variables the forward check removes exactly the bound side's value.
    bool ChecksWhenBound() const override { return !m_finitePair; }
    // The unbound side loses the bound side's value.
    bool FilterArg(int i) override;
    // Against a bound other side the filter is already exact.
    bool FilterExact(int i) override {
        return Other(i)->IsBound() ? FilterArg(i) : Constraint::FilterExact(i);
    }
    // Same filtering; two variables over one domain description take a direct path (the common case of
    // pairwise disequalities).
    bool ForwardCheck() override;
    // Between two finite variables: woken when a side is left with one value.
    DomainEvent WakeOn(int i) const override {
        (void)i;
        return m_finitePair ? DomainEvent::Fixed : DomainEvent::None;
    }

private:
    bool m_finitePair = false; // two variables over finite domains
    // A side left with one value takes it from the other.
    bool Propagate() override;
    Truth Entailment() const override;
    // Both sides keep the values they share (their bounds when integers).
    bool EnforceNegation() override;
};

} // namespace GFCLib
