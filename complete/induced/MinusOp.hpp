#pragma once
// The induced variable a - b (and -a as 0 - a).

#include "complete/induced/IntBinOp.hpp"

namespace GFCLib {

class MinusOp : public IntBinOp {
public:
    bool Exact(long long a, long long b, long long& r) const override { return Compute(a, b, r); }
    // The exact result, as Exact.
    static bool Compute(long long a, long long b, long long& r);
    // The other operand giving result d: fixed - d when a is fixed, d + fixed when b is.
    static bool Invert(bool fixedIsA, long long fixed, long long d, long long& x) {
        x = fixedIsA ? fixed - d : d + fixed;
        return true;
    }
    bool Propagate() override { return PropagateUsing(&Compute, &Invert); }
    // x - o = z gives x within z + o; o - x = z gives x within o - z.
    bool Solve(bool xFirst, long long zLo, long long zHi, long long oLo, long long oHi, long long& lo,
               long long& hi, bool& notZero) const override {
        lo = xFirst ? zLo + oLo : oLo - zHi;
        hi = xFirst ? zHi + oHi : oHi - zLo;
        notZero = false;
        return true;
    }
    bool RangeOfIntervals(long long loA, long long hiA, long long loB, long long hiB, long long& lo,
                          long long& hi) const override {
        lo = loA - hiB;
        hi = hiA - loB;
        return true;
    }
    const char* Symbol() const override { return "-"; }
};

} // namespace GFCLib
