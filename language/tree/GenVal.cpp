#include "language/tree/GenVal.hpp"

#include "language/raw/RawFlt.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawStr.hpp"

#include <ostream>

namespace TavLanguage {

GenVal::GenVal(int line, int value) : GenObj(line), m_value(new RawInt(value)) {}

GenVal::GenVal(int line, double value) : GenObj(line), m_value(new RawFlt(value)) {}

GenVal::GenVal(int line, std::string value) : GenObj(line), m_value(new RawStr(std::move(value))) {}

bool GenVal::Check(ParseContext&) {
    m_type = GenType(ToCode(m_value->GetType()));
    return true;
}

void GenVal::Print(std::ostream& out) const {
    m_value->Print(out);
}

} // namespace TavLanguage
