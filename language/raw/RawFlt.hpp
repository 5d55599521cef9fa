#pragma once
// Real value (code 55).

#include "language/raw/RawVal.hpp"

namespace TavLanguage {

class RawFlt : public RawVal {
public:
    explicit RawFlt(double value) : RawVal(RawType::FltVal), m_value(value) {}
    bool IsNumeric() const override { return true; }
    double GetFlt() const override { return m_value; }

private:
    double m_value;
};

} // namespace TavLanguage
