#pragma once
// An ordered list (code 46).

#include "language/raw/RawCol.hpp"

namespace TavLanguage {

class RawArr : public RawCol {
public:
    RawArr() : RawCol(RawType::Array) {}
    // Appends an element at the end.
    void AddElement(RPtr<RawExpr> element) { Append(std::move(element)); }
    void ReserveElements(std::size_t count) { Reserve(count); }
    bool IsArray() const override { return true; }
};

} // namespace TavLanguage
