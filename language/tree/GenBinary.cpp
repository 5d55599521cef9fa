#include "language/tree/GenBinary.hpp"

#include "language/Bug.hpp"
#include "language/ParseContext.hpp"
#include "language/TokenCodes.hpp"
#include "language/raw/RawCon.hpp"
#include "language/tree/GenLinear.hpp"
#include "language/tree/GenRaw.hpp"

#include <ostream>

namespace TavLanguage {

bool GenBinary::Check(ParseContext& ctx) {
    if (ctx.IsRealProblem()) {
        if (m_operator != Token::EQ && m_operator != Token::LTEQ && m_operator != Token::GTEQ) {
            throw ParserErr(*this, 31, m_operator, "", "");
        }
        GenLinear::CheckLinear(*m_left, ctx, *this, m_operator);
        GenLinear::CheckLinear(*m_right, ctx, *this, m_operator);
        m_type = GenType(GenKind::Constraint);
        return true;
    }
    return CheckNode(*this, ctx);
}

bool GenBinary::ChecksAsWhole(ParseContext& ctx) const {
    return ctx.IsRealProblem();
}

bool GenBinary::CheckRest(ParseContext& ctx) {
    if (!CheckNode(*m_right, ctx)) return false;
    const GenType& l = m_left->GetThisType();
    const GenType& r = m_right->GetThisType();
    if (!l.IsVariable() && !r.IsVariable() && !(l.IsIntValue() && r.IsIntValue())) {
        throw ParserErr(*this, 28, m_operator, "", "");
    }
    if (!l.IsCompatible(r)) throw ParserErr(*this, 27, m_operator, "", "");
    if (m_operator == Token::LT || m_operator == Token::GT || m_operator == Token::LTEQ ||
        m_operator == Token::GTEQ) {
        if (!l.IsIntegral() || !r.IsIntegral()) throw ParserErr(*this, 7, m_operator, "", "");
    }
    // Comparisons of constants (conditions over forall indices) are truth values.
    m_type = GenType(l.IsVariable() || r.IsVariable() ? GenKind::Constraint : GenKind::BoolVal);
    return true;
}

RPtr<RawExpr> GenBinary::GenRest(ParseContext& ctx, RPtr<RawExpr> left) {
    RPtr<RawExpr> right = GenNode(*m_right, ctx);
    if (GenRaw::IsIntConst(left) && GenRaw::IsIntConst(right)) {
        const int l = left->GetInt(), r = right->GetInt();
        switch (m_operator) {
        case Token::EQ:
            return GenRaw::Bool(l == r);
        case Token::NEQ:
            return GenRaw::Bool(l != r);
        case Token::LT:
            return GenRaw::Bool(l < r);
        case Token::GT:
            return GenRaw::Bool(l > r);
        case Token::LTEQ:
            return GenRaw::Bool(l <= r);
        case Token::GTEQ:
            return GenRaw::Bool(l >= r);
        default:
            throw Bug("GenBinary.cpp", 76);
        }
    }
    RawType code;
    switch (m_operator) {
    case Token::EQ:
        code = RawType::Equal;
        break;
    case Token::NEQ:
        code = RawType::NotEqual;
        break;
    case Token::LT:
        code = RawType::Less;
        break;
    case Token::GT:
        code = RawType::Greater;
        break;
    case Token::LTEQ:
        code = RawType::LessEqual;
        break;
    case Token::GTEQ:
        code = RawType::GreaterEqual;
        break;
    default:
        throw Bug("GenBinary.cpp", 76);
    }
    return RPtr<RawExpr>(new RawCon(code, left, right));
}

void GenBinary::Print(std::ostream& out) const {
    out << *m_left << " " << TokenName(m_operator) << " " << *m_right;
}

} // namespace TavLanguage
