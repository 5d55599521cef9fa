#include "language/tree/GenLogical.hpp"

#include "language/Bug.hpp"
#include "language/ParseContext.hpp"
#include "language/TokenCodes.hpp"
#include "language/tree/GenRaw.hpp"

#include <ostream>

namespace TavLanguage {

void GenLogical::CheckOperand(const GenObj& operand) const {
    const GenType& t = operand.GetThisType();
    if (t.IsSoftConstraint()) throw ParserErr(*this, 22, m_operator, "", "");
    const int k = t.GetKind();
    if (k != GenKind::Constraint && k != GenKind::BoolVar && k != GenKind::BoolVal && k != GenKind::IntVal &&
        k != GenKind::BoolExpr) {
        throw ParserErr(*this, 21, m_operator, "", "");
    }
}

bool GenLogical::CheckRest(ParseContext& ctx) {
    // A linear program has no logical connectives: only comparisons reach it.
    if (ctx.IsRealProblem()) throw ParserErr(*this, 31, m_operator, "", "");
    if (m_right && !CheckNode(*m_right, ctx)) return false;
    CheckOperand(*m_left);
    if (m_right) CheckOperand(*m_right);
    const bool constant =
        m_left->GetThisType().IsIntValue() && (!m_right || m_right->GetThisType().IsIntValue());
    m_type = GenType(constant ? GenKind::BoolVal : GenKind::Constraint);
    return true;
}

RPtr<RawExpr> GenLogical::GenRest(ParseContext& ctx, RPtr<RawExpr> left) {
    RPtr<RawExpr> a = GenRaw::ToConstraint(left, *this);
    if (m_operator == Token::NOT) return GenRaw::Negation(a);
    RPtr<RawExpr> b = GenRaw::ToConstraint(GenNode(*m_right, ctx), *this);
    switch (m_operator) {
    case Token::AND:
        return GenRaw::Logical(RawType::And, a, b);
    case Token::OR:
        return GenRaw::Logical(RawType::Or, a, b);
    case Token::XOR:
        return GenRaw::Logical(RawType::Xor, a, b);
    case Token::IMPLIES:
        return GenRaw::Logical(RawType::Implies, a, b);
    case Token::IFF:
        return GenRaw::Logical(RawType::Iff, a, b);
    default:
        throw Bug("GenLogical.cpp", 45);
    }
}

void GenLogical::Print(std::ostream& out) const {
    if (!m_right) {
        out << "Not (" << *m_left << ")";
        return;
    }
    out << "(" << *m_left << ") " << TokenName(m_operator) << " (" << *m_right << ")";
}

} // namespace TavLanguage
