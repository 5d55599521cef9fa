#pragma once
// The optimisation target: minimise(expression) or maximise(expression). In a problem with real
// variables the expression must be linear over real variables and numbers (codes 30, 31) and
// becomes the real objective.

#include "language/tree/GenObj.hpp"

namespace TavLanguage {

class GenOptimise : public GenObj {
public:
    // `token` is MINIMISE (305) or MAXIMISE (306).
    GenOptimise(int line, int token, GenPtr expression);
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    // A RawOpt (code 64 or 65) over the generated expression; Bug for another token.
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    // Stores the objective in the raw problem (the real objective in a real problem).
    void Post(ParseContext& ctx);
    bool IsReal(ParseContext& ctx) const;
    std::string GetName() const override { return "Optimise"; }
    int GetToken() const override { return m_token; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override { Release(m_expression, out); }

private:
    int m_token;
    GenPtr m_expression;
};

} // namespace TavLanguage
