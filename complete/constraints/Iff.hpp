#pragma once
// Both constraints hold or neither does.

#include "complete/constraints/BinaryLogical.hpp"

namespace GFCLib {

class Iff : public BinaryLogical {
public:
    Iff(Constraint* lhs, Constraint* rhs) : BinaryLogical(lhs, rhs) {}
    const char* GetName() const override { return "Iff"; }
    bool Combine(bool a, bool b) const override { return a == b; }
};

} // namespace GFCLib
