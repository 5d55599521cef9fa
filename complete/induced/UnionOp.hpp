#pragma once
// The induced set variable s_1 u ... u s_n.

#include "complete/induced/InducedSetVar.hpp"

namespace GFCLib {

class UnionOp : public InducedSetVar {
protected:
    const char* FunctionName() const override { return "Union"; }
    ValueSet Combine() const override;
    void Limits(ValueSet& required, ValueSet& possible) const override;
};

} // namespace GFCLib
