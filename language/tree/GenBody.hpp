#pragma once
// A body of statements (of a forall, an if branch or a user definition): constraints, soft
// constraints, nested forall and if statements, data declarations and user definitions. Names
// declared in a body are visible to the statements after them and removed at the body's end.
// Used as one constraint, a body is the conjunction of its constraints (a balanced And tree).

#include "language/tree/GenObj.hpp"

namespace TavLanguage {

class GenBody : public GenObj {
public:
    GenBody(int line, GenList statements) : GenObj(line), m_statements(std::move(statements)) {}
    [[nodiscard]] bool Check(ParseContext& ctx) override { return CheckStatements(ctx); }
    // The conjunction of the body's constraints.
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    // With keepBindings the names the body declares stay bound until UnbindDeclarations
    // (a function's result expression may use them).
    [[nodiscard]] bool CheckStatements(ParseContext& ctx, bool keepBindings = false);
    // Generates every statement into the sink, in order.
    void EmitStatements(ParseContext& ctx, ConstraintSink& sink, bool keepBindings = false);
    // Removes the names bound by the body's declarations.
    void UnbindDeclarations(ParseContext& ctx) { UnbindDeclarations(ctx, m_statements.size()); }
    std::string GetName() const override { return "Body"; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override { Release(m_statements, out); }

private:
    void UnbindDeclarations(ParseContext& ctx, std::size_t count);

    GenList m_statements;
};

} // namespace TavLanguage
