#pragma once
// Both constraints hold.

#include "complete/constraints/BinaryLogical.hpp"

namespace GFCLib {

class And : public BinaryLogical {
public:
    And(Constraint* lhs, Constraint* rhs) : BinaryLogical(lhs, rhs) {}
    const char* GetName() const override { return "And"; }
    bool Combine(bool a, bool b) const override { return a && b; }
};

} // namespace GFCLib
