#include "language/tree/ProblemSink.hpp"

#include "language/raw/RawSoftCon.hpp"
#include "language/tree/GenRaw.hpp"

namespace TavLanguage {

void ProblemSink::Add(RPtr<RawExpr> constraint, const GenObj& at) {
    if (constraint->GetType() == RawType::SoftConstraint) {
        m_problem.AddSoftConstraint(RPtr<RawSoftCon>(constraint));
        return;
    }
    RPtr<RawExpr> c = GenRaw::ToConstraint(constraint, at);
    if (GenRaw::IsTruth(c, true)) return;
    if (GenRaw::IsTruth(c, false)) c = GenRaw::AlwaysFalse();
    m_problem.AddConstraint(RPtr<RawCon>(c));
}

} // namespace TavLanguage
