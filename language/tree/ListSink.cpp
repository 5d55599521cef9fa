#include "language/tree/ListSink.hpp"

#include "language/ParserErr.hpp"
#include "language/tree/GenRaw.hpp"

namespace TavLanguage {

void ListSink::Add(RPtr<RawExpr> constraint, const GenObj& at) {
    if (constraint->GetType() == RawType::SoftConstraint) throw ParserErr(at, 22);
    RPtr<RawExpr> c = GenRaw::ToConstraint(constraint, at);
    if (GenRaw::IsTruth(c, true)) return;
    m_constraints.push_back(std::move(c));
}

RPtr<RawExpr> ListSink::Conjunction() {
    for (const auto& c : m_constraints) {
        if (GenRaw::IsTruth(c, false)) return c;
    }
    return GenRaw::Conjunction(std::move(m_constraints));
}

} // namespace TavLanguage
