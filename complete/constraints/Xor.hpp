#pragma once
// Exactly one of the constraints holds.

#include "complete/constraints/BinaryLogical.hpp"

namespace GFCLib {

class Xor : public BinaryLogical {
public:
    Xor(Constraint* lhs, Constraint* rhs) : BinaryLogical(lhs, rhs) {}
    const char* GetName() const override { return "Xor"; }
    bool Combine(bool a, bool b) const override { return a != b; }
};

} // namespace GFCLib
