#include "language/raw/RawCon.hpp"

#include "language/Bug.hpp"

namespace TavLanguage {

namespace {
RawType CheckedConstraint(RawType type) {
    if (IsConstraintCode(type) && type != RawType::Unused21) return type;
    throw Bug("RawCon.cpp", 8);
}
} // namespace

RawCon::RawCon(RawType type, RPtr<RawExpr> arg) : RawCompound(CheckedConstraint(type), std::move(arg)) {}

RawCon::RawCon(RawType type, RPtr<RawExpr> arg0, RPtr<RawExpr> arg1)
    : RawCompound(CheckedConstraint(type), std::move(arg0), std::move(arg1)) {}

RawCon::RawCon(RawType type, std::vector<RPtr<RawExpr>> args)
    : RawCompound(CheckedConstraint(type), std::move(args)) {}

} // namespace TavLanguage
