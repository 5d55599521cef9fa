#pragma once
// Receiver of the constraints that statements generate: the problem itself (posting) or a list
// (a body used as one constraint, which becomes a conjunction).

#include "language/raw/RawExpr.hpp"

#include <vector>

namespace TavLanguage {

class GenObj;

class ConstraintSink {
public:
    virtual ~ConstraintSink() = default;
    // Takes one generated constraint: a RawCon, a RawSoftCon or a constant truth value.
    virtual void Add(RPtr<RawExpr> constraint, const GenObj& at) = 0;
};

} // namespace TavLanguage
