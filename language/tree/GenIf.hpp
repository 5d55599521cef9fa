#pragma once
// if (conditions) { body } else if (conditions) { body } ... else { body }. Conditions over
// constants (forall indices, data) choose the branch while generating; a condition over
// variables makes the branch conditional: (condition implies branch) and, for the branches
// after it, (not condition implies them).

#include "language/tree/GenObj.hpp"

namespace TavLanguage {

class GenIf : public GenObj {
public:
    struct Branch {
        GenList conditions; // empty for a final else
        GenPtr body;        // a GenBody
    };
    GenIf(int line, std::vector<Branch> branches) : GenObj(line), m_branches(std::move(branches)) {}
    // Codes 57 (a range declaration among the conditions), 11 (a condition that is not boolean).
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    [[nodiscard]] bool CheckStatement(ParseContext& ctx) override { return Check(ctx); }
    void Emit(ParseContext& ctx, ConstraintSink& sink) override;
    std::string GetName() const override { return "If"; }
    int GetToken() const override;
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override;

private:
    std::vector<Branch> m_branches;
};

} // namespace TavLanguage
