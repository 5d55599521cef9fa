#pragma once
// String value (code 59).

#include "language/raw/RawVal.hpp"

#include <string>

namespace TavLanguage {

class RawStr : public RawVal {
public:
    explicit RawStr(std::string value) : RawVal(RawType::StrVal), m_value(std::move(value)) {}
    bool IsStr() const override { return true; }
    std::string GetStr() const override { return m_value; }

private:
    std::string m_value;
};

} // namespace TavLanguage
