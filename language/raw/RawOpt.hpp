#pragma once
// The optimisation target: code 64 (minimise) or 65 (maximise); argument 0 is the expression.

#include "language/raw/RawCompound.hpp"

namespace TavLanguage {

class RawOpt : public RawCompound {
public:
    // Throws Bug for a kind other than Minimise or Maximise.
    RawOpt(RawType type, RPtr<RawExpr> expression);
    RPtr<RawExpr> GetExpression() const { return GetArg(0); }
    bool IsMinimise() const { return GetType() == RawType::Minimise; }
};

} // namespace TavLanguage
