#include "language/tree/GenRangeBase.hpp"

#include "language/Bug.hpp"

RPtr<RawExpr> GenRangeBase::Gen(ParseContext&) {
    throw Bug("GenRangeBase.cpp", 6);
}
