#pragma once
// A tuple (code 49): its components in order.

#include "language/raw/RawCol.hpp"

namespace TavLanguage {

class RawTuple : public RawCol {
public:
    RawTuple() : RawCol(RawType::Tuple) {}
    void AddElement(RPtr<RawExpr> element) { Append(std::move(element)); }
};

} // namespace TavLanguage
