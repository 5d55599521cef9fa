#include "language/tree/GenVal.hpp"

#include "language/raw/RawFlt.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawStr.hpp"

#include <ostream>

namespace TavLanguage {

GenVal::GenVal(int line, int value) : GenObj(line), m_int(value), m_kind(RawType::IntVal) {}

GenVal::GenVal(int line, double value) : GenObj(line), m_real(value), m_kind(RawType::FltVal) {}

GenVal::GenVal(int line, std::string value)
    : GenObj(line), m_value(new RawStr(std::move(value))), m_kind(RawType::StrVal) {}

bool GenVal::Check(ParseContext&) {
    m_type = GenType(ToCode(m_kind));
    return true;
}

RPtr<RawExpr> GenVal::Gen(ParseContext&) {
    if (!m_value) {
        if (m_kind == RawType::IntVal)
            m_value = RPtr<RawExpr>(new RawInt(m_int));
        else
            m_value = RPtr<RawExpr>(new RawFlt(m_real));
    }
    return m_value;
}

void GenVal::Print(std::ostream& out) const {
    // As the raw writer writes the value.
    switch (m_kind) {
    case RawType::IntVal:
        out << m_int;
        break;
    case RawType::FltVal:
        out << m_real;
        break;
    default:
        m_value->Print(out);
        break;
    }
}

} // namespace TavLanguage
