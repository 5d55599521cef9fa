#include "language/tree/GenForall.hpp"

#include "language/ParseContext.hpp"
#include "language/TokenCodes.hpp"
#include "language/tree/ListSink.hpp"

#include <ostream>

namespace TavLanguage {

bool GenForall::Check(ParseContext& ctx) {
    if (m_ranges.GetRangeCount() == 0) throw ParserErr(*this, 58);
    // The body is checked once with each index typed; values come when it is generated.
    bool ok = m_ranges.CheckAndBind(ctx) && static_cast<GenBody&>(*m_body).CheckStatements(ctx);
    m_ranges.Unbind(ctx);
    m_type = GenType(GenKind::Constraint);
    return ok;
}

void GenForall::Emit(ParseContext& ctx, ConstraintSink& sink) {
    auto& body = static_cast<GenBody&>(*m_body);
    m_ranges.Walk(ctx, *this, [&] { body.EmitStatements(ctx, sink); });
}

RPtr<RawExpr> GenForall::Gen(ParseContext& ctx) {
    ListSink list;
    Emit(ctx, list);
    return list.Conjunction();
}

int GenForall::GetToken() const {
    return Token::FORALL;
}

void GenForall::Print(std::ostream& out) const {
    out << "Forall(";
    m_ranges.Print(out);
    out << ")\n" << *m_body;
}

} // namespace TavLanguage
