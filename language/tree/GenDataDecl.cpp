#include "language/tree/GenDataDecl.hpp"

#include "language/ParseContext.hpp"

#include <ostream>

namespace TavLanguage {

bool GenDataDecl::CheckStatement(ParseContext& ctx) {
    if (!CheckNode(*m_expression, ctx)) return false;
    GenSymbol symbol;
    symbol.kind = GenSymbol::Kind::Data;
    symbol.type = m_expression->GetThisType();
    ctx.Symbols().Add(m_name, std::move(symbol));
    return true;
}

void GenDataDecl::Emit(ParseContext& ctx, ConstraintSink&) {
    GenSymbol symbol;
    symbol.kind = GenSymbol::Kind::Data;
    symbol.type = m_expression->GetThisType();
    symbol.value = GenNode(*m_expression, ctx);
    ctx.Symbols().Add(m_name, std::move(symbol));
}

void GenDataDecl::Declare(ParseContext& ctx) {
    if (ctx.IsNameUsed(m_name)) throw ParserErr(*this, 3, m_name);
    if (!CheckNode(*m_expression, ctx)) throw ParserErr(*this, 2);
    GenSymbol symbol;
    symbol.kind = GenSymbol::Kind::Data;
    symbol.type = m_expression->GetThisType();
    symbol.value = GenNode(*m_expression, ctx);
    ctx.Symbols().Add(m_name, std::move(symbol));
}

void GenDataDecl::Print(std::ostream& out) const {
    out << m_name << " := " << *m_expression;
}

} // namespace TavLanguage
