#include "language/tree/GenNary.hpp"

#include "language/Bug.hpp"
#include "language/ParseContext.hpp"
#include "language/TokenCodes.hpp"
#include "language/raw/RawArr.hpp"
#include "language/raw/RawCon.hpp"
#include "language/raw/RawOp.hpp"
#include "language/raw/RawSet.hpp"
#include "language/tree/GenInducedOp.hpp"
#include "language/tree/GenRaw.hpp"

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <set>

namespace TavLanguage {

namespace {

bool IsList(const GenType& t) {
    return t.GetKind() == GenKind::Array || t.GetKind() == GenKind::Set;
}

GenType ElementType(const GenType& t) {
    return t.HasSubTypes() ? t.GetSubType() : GenType();
}

// The elements of a generated list as a RawArr (sets and ranges are copied).
RPtr<RawArr> AsArray(const RPtr<RawExpr>& e, const GenObj& at, int code, int op) {
    RPtr<RawArr> arr = e;
    if (arr) return arr;
    RPtr<RawCol> col = e;
    if (!col) throw ParserErr(at, code, op, "", "");
    arr = RPtr<RawArr>(new RawArr);
    arr->ReserveElements(static_cast<std::size_t>(col->GetSize()));
    for (int i = 0; i < col->GetSize(); ++i)
        arr->AddElement(col->GetElement(i));
    return arr;
}

bool AllIntConstants(const RawArr& arr) {
    return std::all_of(arr.GetElements().begin(), arr.GetElements().end(),
                       [](const RPtr<RawExpr>& e) { return GenRaw::IsIntConst(e); });
}

std::vector<int> IntValues(const RawCol& col) {
    std::vector<int> values;
    for (int i = 0; i < col.GetSize(); ++i)
        values.push_back(col.GetElement(i)->GetInt());
    return values;
}

RPtr<RawExpr> SetOf(const std::set<int>& values) {
    RPtr<RawSet> set(new RawSet);
    for (int v : values)
        set->AddElement(GenRaw::Int(v));
    return set;
}

int WrapAdd(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

int WrapMul(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

} // namespace

void GenNary::Fail(int code) const {
    throw ParserErr(*this, code, m_token, "", "");
}

template <class Test> void GenNary::CheckList(std::size_t i, int code, Test test) const {
    const GenType& t = m_args[i]->GetThisType();
    if (!IsList(t)) Fail(23);
    if (t.HasSubTypes() && !test(t.GetSubType())) Fail(code);
}

void GenNary::CheckIntegral(std::size_t i) const {
    if (!m_args[i]->GetThisType().IsIntegral()) Fail(7);
}

void GenNary::CheckValueList(std::size_t i) const {
    CheckList(i, 34, [](const GenType& e) { return e.IsIntValue(); });
}

bool GenNary::ElementsAreVariables(std::size_t i) const {
    const GenType& t = m_args[i]->GetThisType();
    return t.HasSubTypes() && t.GetSubType().IsVariable();
}

bool GenNary::Check(ParseContext& ctx) {
    if (ctx.IsRealProblem()) Fail(31);
    for (auto& arg : m_args) {
        if (!CheckNode(*arg, ctx)) return false;
    }
    auto integral = [](const GenType& e) { return e.IsIntegral(); };
    auto isSet = [](const GenType& e) { return e.IsSet(); };
    const auto constraintType = [this](bool variable) {
        return GenType(variable ? GenKind::Constraint : GenKind::BoolVal);
    };
    switch (m_token) {
    case Token::ALL_DIFFERENT:
        CheckList(0, 40, [](const GenType& e) { return e.IsIntegral() || e.IsString(); });
        m_type = constraintType(ElementsAreVariables(0));
        break;
    case Token::SEQUENCE:
        CheckList(0, 38, integral);
        CheckValueList(1);
        m_type = constraintType(ElementsAreVariables(0));
        break;
    case Token::ELEMENT:
        CheckIntegral(0);
        CheckValueList(1);
        CheckIntegral(2);
        m_type =
            constraintType(m_args[0]->GetThisType().IsVariable() || m_args[2]->GetThisType().IsVariable());
        break;
    case Token::MEMBER:
    case Token::NOTMEMBER:
        CheckIntegral(0);
        if (!m_args[1]->GetThisType().IsSet()) Fail(9);
        m_type =
            constraintType(m_args[0]->GetThisType().IsVariable() || m_args[1]->GetThisType().IsVariable());
        break;
    case Token::SUBSET:
    case Token::STRICTSUBSET: {
        const GenType& a = m_args[0]->GetThisType();
        const GenType& b = m_args[1]->GetThisType();
        if (!a.IsSet() || !b.IsSet()) Fail(9);
        if (!a.IsCompatible(b)) Fail(27);
        m_type = constraintType(a.IsVariable() || b.IsVariable());
        break;
    }
    case Token::ALLDISJOINT:
        CheckList(0, 42, isSet);
        m_type = constraintType(ElementsAreVariables(0));
        break;
    case Token::SUM:
    case Token::MINIMUM:
    case Token::MAXIMUM:
        CheckList(0, 41, integral);
        m_type = GenType(ElementsAreVariables(0) ? GenKind::IntVar : GenKind::IntVal);
        break;
    case Token::COUNT:
        if (!IsList(m_args[0]->GetThisType())) Fail(23);
        CheckValueList(1);
        m_type = GenType(ElementsAreVariables(0) ? GenKind::IntVar : GenKind::IntVal);
        break;
    case Token::SCAL_PROD:
        CheckList(0, 41, integral);
        CheckValueList(1);
        m_type = GenType(ElementsAreVariables(0) ? GenKind::IntVar : GenKind::IntVal);
        break;
    case Token::ABS:
        CheckIntegral(0);
        m_type = GenType(m_args[0]->GetThisType().IsVariable() ? GenKind::IntVar : GenKind::IntVal);
        break;
    case Token::POWER:
        CheckIntegral(0);
        if (!m_args[1]->GetThisType().IsIntValue()) Fail(18);
        m_type = GenType(m_args[0]->GetThisType().IsVariable() ? GenKind::IntVar : GenKind::IntVal);
        break;
    case Token::UNION:
    case Token::INTERSECTION: {
        CheckList(0, 42, isSet);
        const GenType element = ElementType(m_args[0]->GetThisType());
        m_type = GenType(element.IsVariable() ? GenKind::SetVar : GenKind::SetVal);
        if (element.HasSubTypes()) m_type.SetSubType(element.GetSubType());
        break;
    }
    default:
        throw Bug("GenNary.cpp", 150);
    }
    return true;
}

RPtr<RawExpr> GenNary::Gen(ParseContext& ctx) {
    std::vector<RPtr<RawExpr>> a;
    a.reserve(m_args.size());
    for (auto& arg : m_args)
        a.push_back(GenNode(*arg, ctx));
    auto list = [&](std::size_t i) { return AsArray(a[i], *this, 23, m_token); };
    auto values = [&](std::size_t i) {
        RPtr<RawArr> arr = list(i);
        if (!AllIntConstants(*arr)) Fail(34);
        return arr;
    };
    auto intConst = [&](std::size_t i) { return GenRaw::IsIntConst(a[i]); };
    auto con = [](RawType t, std::vector<RPtr<RawExpr>> args) {
        return RPtr<RawExpr>(new RawCon(t, std::move(args)));
    };
    auto op = [](RawType t, std::vector<RPtr<RawExpr>> args) {
        return RPtr<RawExpr>(new RawOp(t, std::move(args)));
    };

    switch (m_token) {
    case Token::ALL_DIFFERENT: {
        RPtr<RawArr> l = list(0);
        if (!l->IsVar() && std::all_of(l->GetElements().begin(), l->GetElements().end(),
                                       [](const RPtr<RawExpr>& e) { return e->IsVal(); })) {
            std::set<std::string> seen;
            for (const auto& e : l->GetElements()) {
                if (!seen.insert(e->IsStr() ? "s" + e->GetStr() : "i" + std::to_string(e->GetInt())).second) {
                    return GenRaw::Bool(false);
                }
            }
            return GenRaw::Bool(true);
        }
        return con(RawType::AllDifferent, {l});
    }
    case Token::SEQUENCE:
        return con(RawType::Sequence, {list(0), values(1)});
    case Token::ELEMENT: {
        RPtr<RawArr> v = values(1);
        if (intConst(0) && intConst(2)) {
            const int i = a[0]->GetInt();
            return GenRaw::Bool(i >= 0 && i < v->GetSize() && v->GetElement(i)->GetInt() == a[2]->GetInt());
        }
        return con(RawType::Element, {a[0], v, a[2]});
    }
    case Token::MEMBER:
    case Token::NOTMEMBER: {
        const bool member = m_token == Token::MEMBER;
        if (intConst(0) && a[1]->GetType() == RawType::SetVal) {
            const std::vector<int> s = IntValues(static_cast<const RawCol&>(*a[1]));
            const bool in = std::find(s.begin(), s.end(), a[0]->GetInt()) != s.end();
            return GenRaw::Bool(in == member);
        }
        return con(member ? RawType::Member : RawType::NotMember, {a[0], a[1]});
    }
    case Token::SUBSET:
    case Token::STRICTSUBSET: {
        const bool strict = m_token == Token::STRICTSUBSET;
        if (a[0]->GetType() == RawType::SetVal && a[1]->GetType() == RawType::SetVal) {
            const std::vector<int> x = IntValues(static_cast<const RawCol&>(*a[0]));
            const std::vector<int> y = IntValues(static_cast<const RawCol&>(*a[1]));
            const std::set<int> sx(x.begin(), x.end()), sy(y.begin(), y.end());
            const bool sub = std::includes(sy.begin(), sy.end(), sx.begin(), sx.end());
            return GenRaw::Bool(sub && (!strict || sy.size() > sx.size()));
        }
        return con(strict ? RawType::StrictSubset : RawType::Subset, {a[0], a[1]});
    }
    case Token::ALLDISJOINT:
        return con(RawType::AllDisjoint, {list(0)});
    case Token::SUM: {
        RPtr<RawArr> l = list(0);
        if (AllIntConstants(*l)) {
            int total = 0;
            for (int v : IntValues(*l))
                total = WrapAdd(total, v);
            return GenRaw::Int(total);
        }
        return op(RawType::Sum, {l});
    }
    case Token::MINIMUM:
    case Token::MAXIMUM: {
        RPtr<RawArr> l = list(0);
        const bool minimum = m_token == Token::MINIMUM;
        if (l->GetSize() == 0) Fail(45);
        if (AllIntConstants(*l)) {
            const std::vector<int> v = IntValues(*l);
            return GenRaw::Int(minimum ? *std::min_element(v.begin(), v.end())
                                       : *std::max_element(v.begin(), v.end()));
        }
        return op(minimum ? RawType::Minimum : RawType::Maximum, {l});
    }
    case Token::COUNT: {
        RPtr<RawArr> l = list(0);
        RPtr<RawArr> v = values(1);
        if (AllIntConstants(*l)) {
            const std::vector<int> counted = IntValues(*v);
            int n = 0;
            for (int x : IntValues(*l))
                n += std::find(counted.begin(), counted.end(), x) != counted.end() ? 1 : 0;
            return GenRaw::Int(n);
        }
        return op(RawType::Count, {l, v});
    }
    case Token::SCAL_PROD: {
        RPtr<RawArr> l = list(0);
        RPtr<RawArr> c = values(1);
        if (l->GetSize() != c->GetSize()) Fail(43);
        if (AllIntConstants(*l)) {
            int total = 0;
            const std::vector<int> x = IntValues(*l), k = IntValues(*c);
            for (std::size_t i = 0; i < x.size(); ++i)
                total = WrapAdd(total, WrapMul(x[i], k[i]));
            return GenRaw::Int(total);
        }
        return op(RawType::ScalProd, {l, c});
    }
    case Token::ABS:
        if (intConst(0)) {
            const std::int64_t v = a[0]->GetInt();
            return GenRaw::Int(static_cast<int>(static_cast<std::uint32_t>(v < 0 ? -v : v)));
        }
        return op(RawType::Abs, {a[0]});
    case Token::POWER: {
        if (!intConst(1) || a[1]->GetInt() < 0) Fail(18);
        if (intConst(0)) {
            int result = 1, base = a[0]->GetInt();
            for (int e = a[1]->GetInt(); e > 0; e >>= 1) {
                if (e & 1) result = WrapMul(result, base);
                base = WrapMul(base, base);
            }
            return GenRaw::Int(result);
        }
        return op(RawType::Power, {a[0], a[1]});
    }
    case Token::UNION:
    case Token::INTERSECTION: {
        RPtr<RawArr> l = list(0);
        const bool unite = m_token == Token::UNION;
        const bool constant =
            std::all_of(l->GetElements().begin(), l->GetElements().end(),
                        [](const RPtr<RawExpr>& e) { return e->GetType() == RawType::SetVal; });
        if (constant && l->GetSize() > 0) {
            std::set<int> result;
            bool first = true;
            for (const auto& e : l->GetElements()) {
                const std::vector<int> v = IntValues(static_cast<const RawCol&>(*e));
                const std::set<int> s(v.begin(), v.end());
                if (unite || first) {
                    result.insert(s.begin(), s.end());
                } else {
                    std::set<int> common;
                    std::set_intersection(result.begin(), result.end(), s.begin(), s.end(),
                                          std::inserter(common, common.end()));
                    result.swap(common);
                }
                first = false;
            }
            return SetOf(result);
        }
        return op(unite ? RawType::Union : RawType::Intersection, {l});
    }
    default:
        throw Bug("GenNary.cpp", 270);
    }
}

std::string GenNary::GetName() const {
    return TokenName(m_token);
}

void GenNary::Print(std::ostream& out) const {
    out << TokenName(m_token) << "(";
    for (std::size_t i = 0; i < m_args.size(); ++i)
        out << (i ? ", " : "") << *m_args[i];
    out << ")";
}

} // namespace TavLanguage
