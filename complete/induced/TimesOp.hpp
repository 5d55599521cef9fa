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
    const char* Symbol() const override { return "*"; }
};

} // namespace GFCLib
