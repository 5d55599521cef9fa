#include "language/tree/GenListRange.hpp"

#include "language/ParseContext.hpp"
#include "language/raw/RawCol.hpp"

#include <ostream>

namespace TavLanguage {

bool GenListRange::Check(ParseContext& ctx) {
    if (!CheckNode(*m_list, ctx)) return false;
    const GenType& t = m_list->GetThisType();
    const int k = t.GetKind();
    if (k != GenKind::Array && k != GenKind::Set && k != GenKind::SetVal && k != GenKind::Range) {
        throw ParserErr(*this, 23);
    }
    m_type = t.HasSubTypes() ? t.GetSubType() : GenType(GenKind::IntVal);
    return true;
}

void GenListRange::Reset(ParseContext& ctx) {
    RPtr<RawExpr> value = GenNode(*m_list, ctx);
    RPtr<RawCol> col = value;
    if (!col) throw ParserErr(*this, 23);
    m_values.clear();
    for (int i = 0; i < col->GetSize(); ++i)
        m_values.push_back(col->GetElement(i));
    m_position = 0;
}

void GenListRange::Print(std::ostream& out) const {
    out << GetName() << " in " << *m_list;
}

} // namespace TavLanguage
