#pragma once
// A soft constraint (code 45): argument 0 is the relaxed constraint, argument 1 its integer weight.

#include "language/raw/RawCompound.hpp"

namespace TavLanguage {

class RawSoftCon : public RawCompound {
public:
    RawSoftCon(RPtr<RawExpr> constraint, int weight);
    RawSoftCon(RPtr<RawExpr> constraint, RPtr<RawExpr> weight);
    bool IsCon() const override { return true; }
    RPtr<RawExpr> GetConstraint() const { return GetArg(0); }
    // The weight as an integer (throws Bug when it is not an integer value).
    int GetWeight() const { return GetArg(1)->GetInt(); }
};

} // namespace TavLanguage
