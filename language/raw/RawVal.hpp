#pragma once
// Constant values of the raw model: integers, booleans, reals and strings.

#include "language/raw/RawExpr.hpp"

#include <string>

namespace TavLanguage {

class RawVal : public RawExpr {
public:
    bool IsVal() const override { return true; }

protected:
    explicit RawVal(RawType type) : RawExpr(type) {}
};

} // namespace TavLanguage
