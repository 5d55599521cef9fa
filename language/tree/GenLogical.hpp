#pragma once
// The logical connectives and, or, xor, implies, iff (binary) and not (unary) over constraints,
// boolean variables and truth values. Constant operands fold away.

#include "language/tree/GenObj.hpp"

class GenLogical : public GenObj {
public:
    GenLogical(int line, int op, GenPtr left, GenPtr right)
        : GenObj(line), m_operator(op), m_left(std::move(left)), m_right(std::move(right)) {}
    // Codes 21 (operand not a constraint), 22 (soft constraint operand), 31 (real problem).
    [[nodiscard]] bool Check(ParseContext& ctx) override { return CheckNode(*this, ctx); }
    RPtr<RawExpr> Gen(ParseContext& ctx) override { return GenNode(*this, ctx); }
    std::string GetName() const override { return "Logical"; }
    int GetToken() const override { return m_operator; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override {
        Release(m_left, out);
        Release(m_right, out);
    }
    GenObj* SpineOperand() override { return m_left.get(); }
    [[nodiscard]] bool CheckRest(ParseContext& ctx) override;
    RPtr<RawExpr> GenRest(ParseContext& ctx, RPtr<RawExpr> left) override;

private:
    void CheckOperand(const GenObj& operand) const;

    int m_operator;
    GenPtr m_left;
    GenPtr m_right;
};
