#pragma once
// A named domain (codes 24 IntDom to 28 StrDom) over a collection of values: an array of values
// (code 46) or, for integer domains, a range (code 48).

#include "language/raw/RawArr.hpp"

#include <string>

namespace TavLanguage {

class RawDom : public RawExpr {
public:
    // Throws Bug when the kind is not 24..28 or the values are not a collection.
    RawDom(RawType type, std::string name, RPtr<RawExpr> values);
    std::string GetName() const override { return m_name; }
    const RPtr<RawCol>& GetValues() const { return m_values; }

private:
    std::string m_name;
    RPtr<RawCol> m_values;
};

} // namespace TavLanguage
