#include "language/tree/GenIdxRange.hpp"

#include "language/ParseContext.hpp"
#include "language/tree/GenRaw.hpp"

#include <ostream>

namespace TavLanguage {

bool GenIdxRange::Check(ParseContext& ctx) {
    if (!CheckNode(*m_low, ctx) || !CheckNode(*m_high, ctx)) return false;
    if (!m_low->GetThisType().IsIntValue() || !m_high->GetThisType().IsIntValue()) throw ParserErr(*this, 18);
    m_type = GenType(GenKind::IntVal);
    return true;
}

void GenIdxRange::Reset(ParseContext& ctx) {
    RPtr<RawExpr> low = GenNode(*m_low, ctx);
    RPtr<RawExpr> high = GenNode(*m_high, ctx);
    if (!GenRaw::IsIntConst(low) || !GenRaw::IsIntConst(high)) throw ParserErr(*this, 18);
    m_current = low->GetInt();
    m_last = high->GetInt();
}

RPtr<RawExpr> GenIdxRange::Current() const {
    return GenRaw::Int(static_cast<int>(m_current));
}

void GenIdxRange::Print(std::ostream& out) const {
    out << GetName() << " in [" << *m_low << ".." << *m_high << "]";
}

} // namespace TavLanguage
