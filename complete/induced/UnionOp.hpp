#pragma once
// The induced set variable s_1 u ... u s_n.

#include "complete/induced/InducedSetVar.hpp"

namespace GFCLib {

class UnionOp : public InducedSetVar {
protected:
    const char* FunctionName() const override { return "Union"; }
    ValueSet Combine() const override;
    void Limits(ValueSet& required, ValueSet& possible) const override;
    // A union has at most the members of its operands together.
    int MaxSizeLimit() const override;
    // Each operand lies within what the union may hold, and a member the union must hold that
    // only one operand can still take is that operand's.
    bool NarrowOperands(const ValueSet& required, const ValueSet& possible) override;
};

} // namespace GFCLib
