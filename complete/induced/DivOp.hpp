#pragma once
// The induced variable a / b, truncated toward zero; b = 0 has no result.

#include "complete/induced/IntBinOp.hpp"

namespace GFCLib {

class DivOp : public IntBinOp {
public:
    bool Exact(long long a, long long b, long long& r) const override { return Compute(a, b, r); }
    // The exact result, as Exact.
    static bool Compute(long long a, long long b, long long& r);
    bool Propagate() override { return PropagateUsing(&Compute); }
    const char* Symbol() const override { return "/"; }

protected:
    void Bounds(long long loA, long long hiA, long long loB, long long hiB, long long& lo,
                long long& hi) const override;
};

} // namespace GFCLib
