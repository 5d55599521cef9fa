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
};

} // namespace GFCLib
