#pragma once
// At least one of the constraints holds.

#include "complete/constraints/BinaryLogical.hpp"

namespace GFCLib {

class Or : public BinaryLogical {
public:
    Or(Constraint* lhs, Constraint* rhs) : BinaryLogical(lhs, rhs) {}
    const char* GetName() const override { return "Or"; }
    bool Combine(bool a, bool b) const override { return a || b; }
};

} // namespace GFCLib
