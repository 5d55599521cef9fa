#pragma once
// The induced variable a to the power b; a negative exponent gives the real power truncated
// toward zero (0 but for the bases 1 and -1).

#include "complete/induced/IntBinOp.hpp"

namespace GFCLib {

class PowerOp : public IntBinOp {
public:
    bool Exact(long long a, long long b, long long& r) const override { return Compute(a, b, r); }
    // The exact result, as Exact.
    static bool Compute(long long a, long long b, long long& r);
    bool Propagate() override { return PropagateUsing(&Compute); }
    const char* Symbol() const override { return "^"; }

protected:
    void Bounds(long long loA, long long hiA, long long loB, long long hiB, long long& lo,
                long long& hi) const override;
};

} // namespace GFCLib
