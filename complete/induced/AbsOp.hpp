#pragma once
// The induced variable |a|.

#include "complete/induced/IntUnaryOp.hpp"

namespace GFCLib {

class AbsOp : public IntUnaryOp {
public:
    bool Apply(long long a, long long& r) const override {
        r = a < 0 ? -a : a;
        return InIntRange(r);
    }
    const char* FunctionName() const override { return "Abs"; }
};

} // namespace GFCLib
