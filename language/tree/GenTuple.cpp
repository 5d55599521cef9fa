#include "language/tree/GenTuple.hpp"

#include "language/ParseContext.hpp"
#include "language/raw/RawTuple.hpp"

#include <ostream>

namespace TavLanguage {

bool GenTuple::Check(ParseContext& ctx) {
    if (m_components.size() < 2) throw ParserErr(*this, 26);
    std::vector<GenType> types;
    for (auto& c : m_components) {
        if (!CheckNode(*c, ctx)) return false;
        types.push_back(c->GetThisType());
    }
    m_type = GenType(GenKind::Tuple, types);
    return true;
}

RPtr<RawExpr> GenTuple::Gen(ParseContext& ctx) {
    RPtr<RawTuple> tuple(new RawTuple);
    for (auto& c : m_components)
        tuple->AddElement(GenNode(*c, ctx));
    return tuple;
}

void GenTuple::Print(std::ostream& out) const {
    out << "(";
    for (std::size_t i = 0; i < m_components.size(); ++i)
        out << (i ? ", " : "") << *m_components[i];
    out << ")";
}

} // namespace TavLanguage
