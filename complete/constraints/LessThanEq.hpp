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
    // Against a bound other side the filter is already exact.
    bool FilterExact(int i) override {
        return Other(i)->IsBound() ? FilterArg(i) : Constraint::FilterExact(i);
    }
};

} // namespace GFCLib
