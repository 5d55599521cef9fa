#include "language/tree/GenInducedOp.hpp"

#include "language/Bug.hpp"
#include "language/ParseContext.hpp"
#include "language/TokenCodes.hpp"
#include "language/raw/RawCol.hpp"
#include "language/raw/RawOp.hpp"
#include "language/tree/GenRaw.hpp"
#include "platform/FatalError.hpp"

#include <climits>
#include <cstdint>
#include <ostream>

namespace TavLanguage {

namespace {

// A constant operand: a value, or a set written out.
bool IsConstant(const GenType& type) {
    return type.IsValue() || type.GetKind() == GenKind::Set;
}

int Wrap(std::int64_t v) {
    return static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

} // namespace

bool GenInducedOp::Fold(int op, int left, int right, int& result) {
    const std::int64_t l = left, r = right;
    switch (op) {
    case Token::MINUS:
        result = Wrap(l - r);
        return true;
    case Token::PLUS:
        result = Wrap(l + r);
        return true;
    case Token::TIMES:
        result = Wrap(l * r);
        return true;
    case Token::DIVIDE:
        if (r == 0) return false;
        result = Wrap(l / r); // INT_MIN / -1 wraps to INT_MIN
        return true;
    case Token::MODULUS:
        if (r == 0) return false;
        result = static_cast<int>(l % r);
        return true;
    default:
        throw Bug("GenInducedOp.cpp", 70);
    }
}

GenType GenInducedOp::ComputeType() const {
    static const GenType untyped;
    const GenType& left = m_left ? m_left->GetThisType() : untyped;
    const GenType& right = m_right ? m_right->GetThisType() : untyped;
    const bool cardinality = m_operator == Token::CARDINALITY;
    const bool integers = (!m_left || left.IsIntegral()) && (!m_right || right.IsIntegral());
    if (!cardinality && !integers) return GenType();
    if (left.IsVariable() || right.IsVariable()) return GenType(GenKind::IntVar);
    if (IsConstant(left) || IsConstant(right)) return GenType(GenKind::IntVal);
    return GenType();
}

bool GenInducedOp::CheckRest(ParseContext& ctx) {
    if (m_right && !CheckNode(*m_right, ctx)) return false;
    if (!m_left && !m_right) throw ParserErr(*this, 4, m_operator, "", "");
    if (m_operator == Token::CARDINALITY) {
        if (!m_left->GetThisType().IsSet()) throw ParserErr(*this, 9, m_operator, "", "");
    } else {
        if (m_left && !m_left->GetThisType().IsIntegral()) throw ParserErr(*this, 7, m_operator, "", "");
        if (m_right && !m_right->GetThisType().IsIntegral()) throw ParserErr(*this, 7, m_operator, "", "");
    }
    m_type = ComputeType();
    return true;
}

RPtr<RawExpr> GenInducedOp::GenRest(ParseContext& ctx, RPtr<RawExpr> left) {
    if (m_operator == Token::CARDINALITY) {
        if (left->GetType() == RawType::SetVal) return GenRaw::Int(left->GetSize());
        return RPtr<RawExpr>(new RawOp(RawType::Cardinality, left));
    }
    if (!m_right) {
        if (m_operator != Token::MINUS) throw Bug("GenInducedOp.cpp", 82);
        if (left->GetType() == RawType::IntVal)
            return GenRaw::Int(Wrap(-static_cast<std::int64_t>(left->GetInt())));
        return RPtr<RawExpr>(new RawOp(RawType::Minus, left));
    }
    RPtr<RawExpr> right = GenNode(*m_right, ctx);
    const bool constants = left->GetType() == RawType::IntVal && right->GetType() == RawType::IntVal;
    if (constants) {
        int result = 0;
        if (!Fold(m_operator, left->GetInt(), right->GetInt(), result)) {
            throw ParserErr(*this, 64, m_operator, "", "");
        }
        return GenRaw::Int(result);
    }
    const bool same = left->IsEqual(*right);
    switch (m_operator) {
    case Token::MINUS:
        if (same) return GenRaw::Int(0);
        return RPtr<RawExpr>(new RawOp(RawType::Minus, left, right));
    case Token::PLUS:
        if (same) return RPtr<RawExpr>(new RawOp(RawType::Times, GenRaw::Int(2), left));
        return RPtr<RawExpr>(new RawOp(RawType::Plus, left, right));
    case Token::TIMES:
        return RPtr<RawExpr>(new RawOp(RawType::Times, left, right));
    // x / x and x % x stay: x may be 0.
    case Token::DIVIDE:
        return RPtr<RawExpr>(new RawOp(RawType::Divide, left, right));
    case Token::MODULUS:
        return RPtr<RawExpr>(new RawOp(RawType::Modulo, left, right));
    default:
        throw Platform::InternalError("Missing case in const RPtr<RawExpr> GenInducedOp::Gen()");
    }
}

void GenInducedOp::Print(std::ostream& out) const {
    if (!m_right) {
        out << (m_operator == Token::CARDINALITY ? "#" : "-") << *m_left;
        return;
    }
    out << "(" << *m_left << " " << TokenName(m_operator) << " " << *m_right << ")";
}

} // namespace TavLanguage
