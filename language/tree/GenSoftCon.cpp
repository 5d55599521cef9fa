#include "language/tree/GenSoftCon.hpp"

#include "language/ParseContext.hpp"
#include "language/raw/RawSoftCon.hpp"
#include "language/tree/ConstraintSink.hpp"
#include "language/tree/GenRaw.hpp"

#include <ostream>

namespace TavLanguage {

bool GenSoftCon::Check(ParseContext& ctx) {
    if (!CheckNode(*m_constraint, ctx) || !CheckNode(*m_weight, ctx)) return false;
    const GenType& c = m_constraint->GetThisType();
    if (c.IsSoftConstraint()) throw ParserErr(*this, 22);
    const int k = c.GetKind();
    if (k != GenKind::Constraint && k != GenKind::BoolVar && k != GenKind::BoolVal && k != GenKind::IntVal) {
        throw ParserErr(*this, 21);
    }
    if (!m_weight->GetThisType().IsIntValue()) throw ParserErr(*this, 18);
    m_type = GenType(GenKind::SoftConstraint);
    return true;
}

RPtr<RawExpr> GenSoftCon::Gen(ParseContext& ctx) {
    RPtr<RawExpr> c = GenRaw::ToConstraint(GenNode(*m_constraint, ctx), *this);
    RPtr<RawExpr> w = GenNode(*m_weight, ctx);
    if (!GenRaw::IsIntConst(w)) throw ParserErr(*this, 18);
    if (GenRaw::IsTruth(c, true)) return nullptr;
    if (GenRaw::IsTruth(c, false)) c = GenRaw::AlwaysFalse();
    return RPtr<RawExpr>(new RawSoftCon(c, w->GetInt()));
}

void GenSoftCon::Emit(ParseContext& ctx, ConstraintSink& sink) {
    RPtr<RawExpr> soft = Gen(ctx);
    if (soft) sink.Add(soft, *this);
}

void GenSoftCon::Print(std::ostream& out) const {
    out << "soft(" << *m_constraint << ", " << *m_weight << ")";
}

} // namespace TavLanguage
