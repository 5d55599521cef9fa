#include "language/tree/GenIntensionalList.hpp"

#include "language/ParseContext.hpp"
#include "language/raw/RawArr.hpp"
#include "language/tree/GenArgList.hpp"

#include <ostream>

namespace TavLanguage {

bool GenIntensionalList::Check(ParseContext& ctx) {
    bool ok = m_ranges.CheckAndBind(ctx) && CheckNode(*m_expression, ctx);
    m_ranges.Unbind(ctx);
    if (!ok) return false;
    if (m_isSet && !m_expression->GetThisType().IsValue()) throw ParserErr(*this, 19);
    m_type = GenType(m_isSet ? GenKind::Set : GenKind::Array);
    m_type.SetSubType(m_expression->GetThisType());
    return true;
}

RPtr<RawExpr> GenIntensionalList::Gen(ParseContext& ctx) {
    std::vector<RPtr<RawExpr>> values;
    m_ranges.Walk(ctx, *this, [&] { values.push_back(GenNode(*m_expression, ctx)); });
    if (m_isSet) return GenArgList::MakeSet(values, *this);
    RPtr<RawArr> arr(new RawArr);
    arr->ReserveElements(values.size());
    for (auto& v : values)
        arr->AddElement(std::move(v));
    return arr;
}

void GenIntensionalList::Print(std::ostream& out) const {
    out << (m_isSet ? "{" : "[") << *m_expression << " | ";
    m_ranges.Print(out);
    out << (m_isSet ? "}" : "]");
}

} // namespace TavLanguage
