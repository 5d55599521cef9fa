#include "language/TokenCodes.hpp"

namespace TavLanguage {

std::string TokenName(int token) {
    switch (token) {
    case Token::IMPLIES:
        return "Implies";
    case Token::IFF:
        return "Iff";
    case Token::AND:
        return "And";
    case Token::OR:
        return "Or";
    case Token::XOR:
        return "Xor";
    case Token::EQ:
        return "=";
    case Token::NEQ:
        return "<>";
    case Token::LT:
        return "<";
    case Token::GT:
        return ">";
    case Token::LTEQ:
        return "<=";
    case Token::GTEQ:
        return ">=";
    case Token::MINUS:
        return "-";
    case Token::PLUS:
        return "+";
    case Token::TIMES:
        return "*";
    case Token::DIVIDE:
        return "/";
    case Token::MODULUS:
        return "%";
    case Token::ABS:
        return "Abs";
    case Token::POWER:
        return "Power";
    case Token::SCAL_PROD:
        return "ScalProd";
    case Token::SUM:
        return "Sum";
    case Token::ALL_DIFFERENT:
        return "AllDifferent";
    case Token::SEQUENCE:
        return "Sequence";
    case Token::COUNT:
        return "Count";
    case Token::MINIMUM:
        return "Minimum";
    case Token::MAXIMUM:
        return "Maximum";
    case Token::ELEMENT:
        return "Element";
    case Token::MEMBER:
        return "Member";
    case Token::NOTMEMBER:
        return "NotMember";
    case Token::SUBSET:
        return "Subset";
    case Token::STRICTSUBSET:
        return "StrictSubset";
    case Token::UNION:
        return "Union";
    case Token::INTERSECTION:
        return "Intersection";
    case Token::ALLDISJOINT:
        return "AllDisjoint";
    case Token::CARDINALITY:
        return "#";
    default:
        return std::to_string(token);
    }
}

} // namespace TavLanguage
