#pragma once
// If the first constraint holds, so does the second.

#include "complete/constraints/BinaryLogical.hpp"

namespace GFCLib {

class Implies : public BinaryLogical {
public:
    Implies(Constraint* lhs, Constraint* rhs) : BinaryLogical(lhs, rhs) {}
    const char* GetName() const override { return "Implies"; }
    bool Combine(bool a, bool b) const override { return !a || b; }
};

} // namespace GFCLib
