#include "language/tree/GenConcatList.hpp"

#include "language/ParseContext.hpp"
#include "language/raw/RawArr.hpp"

#include <ostream>

namespace TavLanguage {

namespace {
bool IsListType(const GenType& t) {
    return t.GetKind() == GenKind::Array || t.GetKind() == GenKind::Set;
}
} // namespace

bool GenConcatList::CheckRest(ParseContext& ctx) {
    if (!CheckNode(*m_right, ctx)) return false;
    const GenType& l = m_left->GetThisType();
    const GenType& r = m_right->GetThisType();
    if (!IsListType(l) || !IsListType(r)) throw ParserErr(*this, 23);
    if (!l.IsCompatible(r)) throw ParserErr(*this, 27);
    m_type = GenType(GenKind::Array);
    if (l.HasSubTypes()) m_type.SetSubType(l.GetSubType());
    if (r.HasSubTypes()) m_type.AddElementType(r.GetSubType());
    return true;
}

RPtr<RawExpr> GenConcatList::GenRest(ParseContext& ctx, RPtr<RawExpr> left) {
    RPtr<RawExpr> right = GenNode(*m_right, ctx);
    RPtr<RawCol> a = left, b = right;
    if (!a || !b) throw ParserErr(*this, 23);
    RPtr<RawArr> result(new RawArr);
    result->ReserveElements(static_cast<std::size_t>(a->GetSize()) + static_cast<std::size_t>(b->GetSize()));
    for (int i = 0; i < a->GetSize(); ++i)
        result->AddElement(a->GetElement(i));
    for (int i = 0; i < b->GetSize(); ++i)
        result->AddElement(b->GetElement(i));
    return result;
}

void GenConcatList::Print(std::ostream& out) const {
    out << *m_left << " ++ " << *m_right;
}

} // namespace TavLanguage
