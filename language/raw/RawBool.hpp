#pragma once
// Boolean value (code 51); as an integer it is 0 or 1.

#include "language/raw/RawVal.hpp"

namespace TavLanguage {

class RawBool : public RawVal {
public:
    explicit RawBool(bool value) : RawVal(RawType::BoolVal), m_value(value) {}
    bool GetBool() const { return m_value; }
    bool IsInt() const override { return true; }
    int GetInt() const override { return m_value ? 1 : 0; }

private:
    bool m_value;
};

} // namespace TavLanguage
