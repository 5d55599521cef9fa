#pragma once
// soft(constraint, weight); a constraint that may be violated at the cost of its integer weight.

#include "language/tree/GenObj.hpp"

namespace TavLanguage {

class GenSoftCon : public GenObj {
public:
    GenSoftCon(int line, GenPtr constraint, GenPtr weight)
        : GenObj(line), m_constraint(std::move(constraint)), m_weight(std::move(weight)) {}
    // Codes 21 (not a constraint), 22 (a soft constraint inside), 18 (weight not an integer value).
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    // The RawSoftCon (null when the constraint is always true).
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    [[nodiscard]] bool CheckStatement(ParseContext& ctx) override { return Check(ctx); }
    void Emit(ParseContext& ctx, ConstraintSink& sink) override;
    std::string GetName() const override { return "Soft"; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override {
        Release(m_constraint, out);
        Release(m_weight, out);
    }

private:
    GenPtr m_constraint;
    GenPtr m_weight;
};

} // namespace TavLanguage
