#pragma once
// The induced variable a * b.

#include "complete/induced/IntBinOp.hpp"

namespace GFCLib {

class TimesOp : public IntBinOp {
public:
    bool Exact(long long a, long long b, long long& r) const override { return Compute(a, b, r); }
    // The exact result, as Exact.
    static bool Compute(long long a, long long b, long long& r);
    bool Propagate() override { return PropagateUsing(&Compute); }
    // x * o = z: x within z / o over the parts of o on either side of 0; x and o differ from 0
    // when z does.
    bool Solve(bool xFirst, long long zLo, long long zHi, long long oLo, long long oHi, long long& lo,
               long long& hi, bool& notZero) const override;
    const char* Symbol() const override { return "*"; }
};

} // namespace GFCLib
