#include "language/tree/GenRef.hpp"

#include "language/Bug.hpp"
#include "language/ParseContext.hpp"

#include <ostream>

namespace TavLanguage {

namespace {
bool IsValueSymbol(const GenSymbol& s) {
    return s.kind != GenSymbol::Kind::UserConstraint && s.kind != GenSymbol::Kind::UserFunction;
}
} // namespace

bool GenRef::Check(ParseContext& ctx) {
    GenSymbol* symbol = ctx.Symbols().Find(m_name);
    if (symbol == nullptr || !IsValueSymbol(*symbol)) throw ParserErr(*this, 56, m_name);
    m_type = symbol->type;
    return true;
}

RPtr<RawExpr> GenRef::Gen(ParseContext& ctx) {
    GenSymbol* symbol = ctx.Symbols().Find(m_name);
    if (symbol == nullptr || !IsValueSymbol(*symbol)) throw ParserErr(*this, 56, m_name);
    if (!symbol->value) throw Bug("GenRef.cpp", 27);
    return symbol->value;
}

void GenRef::Print(std::ostream& out) const {
    out << m_name;
}

} // namespace TavLanguage
