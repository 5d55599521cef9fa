#pragma once
// A set value (code 57): its elements in stored order.

#include "language/raw/RawArr.hpp"
#include "language/raw/RawCol.hpp"

namespace TavLanguage {

class RawSet : public RawCol {
public:
    RawSet() : RawCol(RawType::SetVal) {}
    // A set holding the elements of an array, in the array's order.
    explicit RawSet(const RawArr& elements);
    void AddElement(RPtr<RawExpr> element) { Append(std::move(element)); }
    bool IsSet() const override { return true; }
    bool IsSetValued() const override { return true; }
    bool IsVal() const override { return true; }
};

} // namespace TavLanguage
