#include "language/tree/GenIf.hpp"

#include "language/ParseContext.hpp"
#include "language/TokenCodes.hpp"
#include "language/raw/RawCon.hpp"
#include "language/tree/GenBody.hpp"
#include "language/tree/GenRangeBase.hpp"
#include "language/tree/GenRaw.hpp"
#include "language/tree/ListSink.hpp"

#include <ostream>

namespace TavLanguage {

bool GenIf::Check(ParseContext& ctx) {
    for (auto& branch : m_branches) {
        for (auto& condition : branch.conditions) {
            if (dynamic_cast<GenRangeBase*>(condition.get()) != nullptr) throw ParserErr(*condition, 57);
            if (!CheckNode(*condition, ctx)) return false;
            const int k = condition->GetThisType().GetKind();
            if (k != GenKind::Constraint && k != GenKind::BoolVar && k != GenKind::BoolVal &&
                k != GenKind::IntVal && k != GenKind::BoolExpr) {
                throw ParserErr(*condition, 11);
            }
        }
        if (!static_cast<GenBody&>(*branch.body).CheckStatements(ctx)) return false;
    }
    m_type = GenType(GenKind::Constraint);
    return true;
}

void GenIf::Emit(ParseContext& ctx, ConstraintSink& sink) {
    RPtr<RawExpr> guard; // conjunction of the negated variable conditions met so far; null for true
    for (auto& branch : m_branches) {
        RPtr<RawExpr> condition = GenRaw::Bool(true);
        for (auto& c : branch.conditions) {
            condition = GenRaw::Logical(RawType::And, condition, GenRaw::ToConstraint(GenNode(*c, ctx), *c));
        }
        if (GenRaw::IsTruth(condition, false)) continue;
        auto& body = static_cast<GenBody&>(*branch.body);
        const bool always = GenRaw::IsTruth(condition, true);
        if (always && !guard) {
            body.EmitStatements(ctx, sink);
            return;
        }
        RPtr<RawExpr> premise = guard ? GenRaw::Logical(RawType::And, guard, condition) : condition;
        ListSink list;
        body.EmitStatements(ctx, list);
        sink.Add(GenRaw::Logical(RawType::Implies, premise, list.Conjunction()), *this);
        if (always) return;
        RPtr<RawExpr> negated = GenRaw::Negation(condition);
        guard = guard ? GenRaw::Logical(RawType::And, guard, negated) : negated;
    }
}

RPtr<RawExpr> GenIf::Gen(ParseContext& ctx) {
    ListSink list;
    Emit(ctx, list);
    return list.Conjunction();
}

int GenIf::GetToken() const {
    return Token::IF;
}

void GenIf::ReleaseChildren(std::vector<GenObj*>& out) {
    for (auto& branch : m_branches) {
        Release(branch.conditions, out);
        Release(branch.body, out);
    }
    m_branches.clear();
}

void GenIf::Print(std::ostream& out) const {
    bool first = true;
    for (const auto& branch : m_branches) {
        if (!first) out << " else ";
        if (!branch.conditions.empty()) {
            out << "if (";
            for (std::size_t i = 0; i < branch.conditions.size(); ++i)
                out << (i ? ", " : "") << *branch.conditions[i];
            out << ") ";
        }
        out << *branch.body;
        first = false;
    }
}

} // namespace TavLanguage
