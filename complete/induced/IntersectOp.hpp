#pragma once
// The induced set variable s_1 n ... n s_n.

#include "complete/induced/InducedSetVar.hpp"

namespace GFCLib {

class IntersectOp : public InducedSetVar {
protected:
    const char* FunctionName() const override { return "Intersect"; }
    ValueSet Combine() const override;
    void Limits(ValueSet& required, ValueSet& possible) const override;
};

} // namespace GFCLib
