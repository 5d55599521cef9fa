#include "language/raw/RawOpt.hpp"

#include "language/Bug.hpp"

namespace TavLanguage {

namespace {
RawType CheckedObjective(RawType type) {
    if (type == RawType::Minimise || type == RawType::Maximise) return type;
    throw Bug("RawOpt.cpp", 8);
}
} // namespace

RawOpt::RawOpt(RawType type, RPtr<RawExpr> expression)
    : RawCompound(CheckedObjective(type), std::move(expression)) {}

} // namespace TavLanguage
