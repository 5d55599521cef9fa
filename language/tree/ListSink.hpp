#pragma once
// Collects generated hard constraints, for a body that stands as one constraint (a conjunction).
// A soft constraint here is an error (code 22): soft constraints only stand as statements.

#include "language/tree/ConstraintSink.hpp"

#include <vector>

namespace TavLanguage {

class ListSink : public ConstraintSink {
public:
    void Add(RPtr<RawExpr> constraint, const GenObj& at) override;
    // The conjunction of everything collected (a balanced tree of binary And; true when empty).
    RPtr<RawExpr> Conjunction();

private:
    std::vector<RPtr<RawExpr>> m_constraints;
};

} // namespace TavLanguage
