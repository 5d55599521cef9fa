#include "language/tree/GenOptimise.hpp"

#include "language/Bug.hpp"
#include "language/ParseContext.hpp"
#include "language/TokenCodes.hpp"
#include "language/raw/RawOpt.hpp"
#include "language/tree/GenLinear.hpp"

#include <ostream>

namespace TavLanguage {

GenOptimise::GenOptimise(int line, int token, GenPtr expression)
    : GenObj(line), m_token(token), m_expression(std::move(expression)) {
    if (token == Token::MINIMISE)
        m_type = GenType(GenKind::Minimise);
    else if (token == Token::MAXIMISE)
        m_type = GenType(GenKind::Maximise);
}

bool GenOptimise::Check(ParseContext& ctx) {
    if (ctx.IsRealProblem()) {
        GenLinear::CheckLinear(*m_expression, ctx, *this, -1);
        return true;
    }
    if (!CheckNode(*m_expression, ctx)) return false;
    if (!m_expression->GetThisType().IsIntegral()) throw ParserErr(*this, 7);
    return true;
}

RPtr<RawExpr> GenOptimise::Gen(ParseContext& ctx) {
    RPtr<RawExpr> expression = GenNode(*m_expression, ctx);
    if (m_token == Token::MINIMISE) return RPtr<RawExpr>(new RawOpt(RawType::Minimise, expression));
    if (m_token == Token::MAXIMISE) return RPtr<RawExpr>(new RawOpt(RawType::Maximise, expression));
    throw Bug("GenOptimise", 47);
}

bool GenOptimise::IsReal(ParseContext& ctx) const {
    return ctx.IsRealProblem();
}

void GenOptimise::Post(ParseContext& ctx) {
    RPtr<RawOpt> objective = Gen(ctx);
    if (!objective) return;
    if (IsReal(ctx))
        ctx.Problem().SetRealObjective(objective);
    else
        ctx.Problem().SetObjective(objective);
}

void GenOptimise::Print(std::ostream& out) const {
    out << (m_token == Token::MAXIMISE ? "maximise(" : "minimise(") << *m_expression << ")";
}

} // namespace TavLanguage
