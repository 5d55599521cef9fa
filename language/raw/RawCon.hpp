#pragma once
// A hard constraint node (codes 0 to 20). List arguments (of AllDifferent, Sequence, ...) are
// RawArr arguments; logical connectives take constraints as arguments.

#include "language/raw/RawCompound.hpp"

namespace TavLanguage {

class RawCon : public RawCompound {
public:
    RawCon(RawType type, RPtr<RawExpr> arg);
    RawCon(RawType type, RPtr<RawExpr> arg0, RPtr<RawExpr> arg1);
    // Any number of arguments. All constructors throw Bug for a kind outside 0..20.
    RawCon(RawType type, std::vector<RPtr<RawExpr>> args);
    bool IsCon() const override { return true; }
};

} // namespace TavLanguage
