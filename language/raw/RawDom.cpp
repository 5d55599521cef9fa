#include "language/raw/RawDom.hpp"

#include "language/Bug.hpp"

namespace TavLanguage {

RawDom::RawDom(RawType type, std::string name, RPtr<RawExpr> values)
    : RawExpr(type), m_name(std::move(name)), m_values(values) {
    if (ToCode(type) < ToCode(RawType::IntDom) || ToCode(type) > ToCode(RawType::StrDom))
        throw Bug("RawDom.cpp", 7);
    if (!m_values) throw Bug("RawDom.cpp", 8);
}

} // namespace TavLanguage
