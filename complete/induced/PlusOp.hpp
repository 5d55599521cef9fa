#pragma once
// The induced variable a + b.

#include "complete/induced/IntBinOp.hpp"

namespace GFCLib {

class PlusOp : public IntBinOp {
public:
    bool Exact(long long a, long long b, long long& r) const override { return Compute(a, b, r); }
    // The exact result, as Exact.
    static bool Compute(long long a, long long b, long long& r);
    // The other operand giving result d: d - fixed either way.
    static bool Invert(bool fixedIsA, long long fixed, long long d, long long& x) {
        (void)fixedIsA;
        x = d - fixed;
        return true;
    }
    bool Propagate() override { return PropagateUsing(&Compute, &Invert); }
    // x + o = z (either way round): x within z - o.
    bool Solve(bool xFirst, long long zLo, long long zHi, long long oLo, long long oHi, long long& lo,
               long long& hi, bool& notZero) const override {
        (void)xFirst;
        lo = zLo - oHi;
        hi = zHi - oLo;
        notZero = false;
        return true;
    }
    bool RangeOfIntervals(long long loA, long long hiA, long long loB, long long hiB, long long& lo,
                          long long& hi) const override {
        lo = loA + loB;
        hi = hiA + hiB;
        return true;
    }
    const char* Symbol() const override { return "+"; }
};

} // namespace GFCLib
