#pragma once
// Integer value (code 53).

#include "language/raw/RawVal.hpp"

namespace TavLanguage {

class RawInt : public RawVal {
public:
    explicit RawInt(int value) : RawVal(RawType::IntVal), m_value(value) {}
    bool IsInt() const override { return true; }
    bool IsNumeric() const override { return true; }
    int GetInt() const override { return m_value; }
    double GetFlt() const override { return m_value; }

private:
    int m_value;
};

} // namespace TavLanguage
