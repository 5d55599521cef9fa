#include "language/raw/RawOp.hpp"

#include "language/Bug.hpp"

namespace TavLanguage {

namespace {
RawType CheckedOperator(RawType type) {
    const int code = ToCode(type);
    if (code == 22 || code == 23 || (code >= 29 && code <= 42)) return type;
    throw Bug("RawOp.cpp", 9);
}
} // namespace

RawOp::RawOp(RawType type, RPtr<RawExpr> arg) : RawCompound(CheckedOperator(type), std::move(arg)) {}

RawOp::RawOp(RawType type, RPtr<RawExpr> arg0, RPtr<RawExpr> arg1)
    : RawCompound(CheckedOperator(type), std::move(arg0), std::move(arg1)) {}

RawOp::RawOp(RawType type, std::vector<RPtr<RawExpr>> args)
    : RawCompound(CheckedOperator(type), std::move(args)) {}

bool RawOp::IsSetValued() const {
    return GetType() == RawType::Union || GetType() == RawType::Intersection;
}

} // namespace TavLanguage
