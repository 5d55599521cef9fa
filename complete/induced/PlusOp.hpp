#pragma once
// The induced variable a + b.

#include "complete/induced/IntBinOp.hpp"

namespace GFCLib {

class PlusOp : public IntBinOp {
public:
    bool Apply(long long a, long long b, long long& r) const override;
    const char* Symbol() const override { return "+"; }
};

} // namespace GFCLib
