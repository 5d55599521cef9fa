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
};

} // namespace GFCLib
