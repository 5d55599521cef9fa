#include "language/raw/RawSoftCon.hpp"

#include "language/raw/RawInt.hpp"

namespace TavLanguage {

RawSoftCon::RawSoftCon(RPtr<RawExpr> constraint, int weight)
    : RawCompound(RawType::SoftConstraint, std::move(constraint), RPtr<RawExpr>(new RawInt(weight))) {}

RawSoftCon::RawSoftCon(RPtr<RawExpr> constraint, RPtr<RawExpr> weight)
    : RawCompound(RawType::SoftConstraint, std::move(constraint), std::move(weight)) {}

} // namespace TavLanguage
