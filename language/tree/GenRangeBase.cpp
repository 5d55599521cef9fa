#include "language/tree/GenRangeBase.hpp"

#include "language/Bug.hpp"

namespace TavLanguage {

RPtr<RawExpr> GenRangeBase::Gen(ParseContext&) {
    throw Bug("GenRangeBase.cpp", 6);
}

} // namespace TavLanguage
