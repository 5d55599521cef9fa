#pragma once
// The induced variable |a|.

#include "complete/induced/IntUnaryOp.hpp"

namespace GFCLib {

class AbsOp : public IntUnaryOp {
public:
    bool Exact(long long a, long long& r) const override {
        r = a < 0 ? -a : a;
        return true;
    }
    const char* FunctionName() const override { return "Abs"; }
};

} // namespace GFCLib
