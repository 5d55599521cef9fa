#pragma once
// name := expression; the name stands for the expression's value from here on (to the end of
// the problem, or of the body that declares it).

#include "language/tree/GenObj.hpp"

#include <string>

namespace TavLanguage {

class GenDataDecl : public GenObj {
public:
    GenDataDecl(int line, std::string name, GenPtr expression)
        : GenObj(line), m_name(std::move(name)), m_expression(std::move(expression)) {}
    [[nodiscard]] bool Check(ParseContext& ctx) override { return CheckNode(*m_expression, ctx); }
    RPtr<RawExpr> Gen(ParseContext& ctx) override { return GenNode(*m_expression, ctx); }
    // In a body: checks the expression and binds the name by type.
    [[nodiscard]] bool CheckStatement(ParseContext& ctx) override;
    // In a body: evaluates the expression and binds the name to its value.
    void Emit(ParseContext& ctx, ConstraintSink& sink) override;
    // At the top of the problem: checks, evaluates and binds for good (code 3 for a used name).
    void Declare(ParseContext& ctx);
    bool IsDeclaration() const override { return true; }
    std::string GetName() const override { return m_name; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override { Release(m_expression, out); }

private:
    std::string m_name;
    GenPtr m_expression;
};

} // namespace TavLanguage
