#include "language/tree/GenUserDef.hpp"

#include "language/Bug.hpp"
#include "language/ParseContext.hpp"

#include <ostream>

namespace TavLanguage {

bool GenUserDef::Check(ParseContext&) {
    return true;
}

RPtr<RawExpr> GenUserDef::Gen(ParseContext&) {
    throw Bug("GenUserDef.cpp", 10);
}

void GenUserDef::Bind(ParseContext& ctx) {
    GenSymbol symbol;
    symbol.kind = m_isFunction ? GenSymbol::Kind::UserFunction : GenSymbol::Kind::UserConstraint;
    symbol.definition = this;
    ctx.Symbols().Add(m_name, std::move(symbol));
}

bool GenUserDef::CheckStatement(ParseContext& ctx) {
    Bind(ctx);
    return true;
}

void GenUserDef::Emit(ParseContext& ctx, ConstraintSink&) {
    Bind(ctx);
}

void GenUserDef::Declare(ParseContext& ctx) {
    if (ctx.IsNameUsed(m_name)) throw ParserErr(*this, 3, m_name);
    Bind(ctx);
}

void GenUserDef::Print(std::ostream& out) const {
    out << (m_isFunction ? "function " : "constraint ") << m_name << "(";
    for (std::size_t i = 0; i < m_params.size(); ++i)
        out << (i ? ", " : "") << m_params[i];
    out << ") " << *m_body;
    if (m_result) out << " return " << *m_result;
}

} // namespace TavLanguage
