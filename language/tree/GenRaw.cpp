#include "language/tree/GenRaw.hpp"

#include "language/ParserErr.hpp"
#include "language/raw/RawBool.hpp"
#include "language/raw/RawCon.hpp"
#include "language/raw/RawInt.hpp"

namespace TavLanguage {

namespace GenRaw {

RPtr<RawExpr> Int(int value) {
    return RPtr<RawExpr>(new RawInt(value));
}

RPtr<RawExpr> Bool(bool value) {
    return RPtr<RawExpr>(new RawBool(value));
}

bool IsIntConst(const RPtr<RawExpr>& e) {
    return e && e->IsVal() && e->IsInt();
}

bool IsTruth(const RPtr<RawExpr>& e, bool value) {
    return IsIntConst(e) && (e->GetInt() != 0) == value;
}

RPtr<RawExpr> ToConstraint(const RPtr<RawExpr>& e, const GenObj& at) {
    if (e->IsCon()) return e;
    if (IsIntConst(e)) return e->GetType() == RawType::BoolVal ? e : Bool(e->GetInt() != 0);
    if (e->GetType() == RawType::BoolVar) return RPtr<RawExpr>(new RawCon(RawType::Equal, e, Int(1)));
    throw ParserErr(at, 21);
}

RPtr<RawExpr> AlwaysFalse() {
    return RPtr<RawExpr>(new RawCon(RawType::Equal, Int(0), Int(1)));
}

RPtr<RawExpr> Conjunction(std::vector<RPtr<RawExpr>> constraints) {
    if (constraints.empty()) return Bool(true);
    // Pairs neighbours level by level: the result is balanced and keeps the order.
    while (constraints.size() > 1) {
        std::vector<RPtr<RawExpr>> next;
        next.reserve((constraints.size() + 1) / 2);
        for (std::size_t i = 0; i + 1 < constraints.size(); i += 2) {
            next.push_back(RPtr<RawExpr>(new RawCon(RawType::And, constraints[i], constraints[i + 1])));
        }
        if (constraints.size() % 2 == 1) next.push_back(constraints.back());
        constraints.swap(next);
    }
    return constraints.front();
}

RPtr<RawExpr> Negation(const RPtr<RawExpr>& a) {
    if (IsIntConst(a)) return Bool(a->GetInt() == 0);
    return RPtr<RawExpr>(new RawCon(RawType::Not, a));
}

RPtr<RawExpr> Logical(RawType type, const RPtr<RawExpr>& a, const RPtr<RawExpr>& b) {
    const bool ca = IsIntConst(a), cb = IsIntConst(b);
    const bool va = ca && a->GetInt() != 0, vb = cb && b->GetInt() != 0;
    switch (type) {
    case RawType::And:
        if (ca) return va ? b : Bool(false);
        if (cb) return vb ? a : Bool(false);
        break;
    case RawType::Or:
        if (ca) return va ? Bool(true) : b;
        if (cb) return vb ? Bool(true) : a;
        break;
    case RawType::Implies:
        if (ca) return va ? b : Bool(true);
        if (cb) return vb ? Bool(true) : Negation(a);
        break;
    case RawType::Iff:
        if (ca) return va ? b : Negation(b);
        if (cb) return vb ? a : Negation(a);
        break;
    case RawType::Xor:
        if (ca) return va ? Negation(b) : b;
        if (cb) return vb ? Negation(a) : a;
        break;
    default:
        break;
    }
    return RPtr<RawExpr>(new RawCon(type, a, b));
}

} // namespace GenRaw

} // namespace TavLanguage
