#pragma once
// Posts generated constraints into the raw problem: hard ones into its constraint list, soft ones
// into its soft list; a constant true is dropped, a constant false kept as the constraint 0 = 1.

#include "language/raw/RawCSP.hpp"
#include "language/tree/ConstraintSink.hpp"

namespace TavLanguage {

class ProblemSink : public ConstraintSink {
public:
    explicit ProblemSink(RawCSP& problem) : m_problem(problem) {}
    void Add(RPtr<RawExpr> constraint, const GenObj& at) override;

private:
    RawCSP& m_problem;
};

} // namespace TavLanguage
