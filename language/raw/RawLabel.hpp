#pragma once
// A named value of a solution: a variable's name (or "cost", "soft cost") and its raw value.

#include "language/raw/RawExpr.hpp"

#include <string>

namespace TavLanguage {

class RawLabel {
public:
    RawLabel() = default;
    // The value is any raw value node: RawInt, RawBool, RawFlt, RawStr or RawSet.
    RawLabel(std::string name, RPtr<RawExpr> value) : m_name(std::move(name)), m_value(std::move(value)) {}
    const std::string& GetName() const { return m_name; }
    const RPtr<RawExpr>& GetValue() const { return m_value; }

private:
    std::string m_name;
    RPtr<RawExpr> m_value;
};

} // namespace TavLanguage
