#pragma once
// Integer arithmetic: binary - + * / %, unary - and the cardinality # of a set. Folds to a
// constant wherever both operands are integer constants; folding is 32-bit with wrap-around.

#include "language/tree/GenObj.hpp"

class GenInducedOp : public GenObj {
public:
    GenInducedOp(int line, int op, GenPtr left, GenPtr right)
        : GenObj(line), m_operator(op), m_left(std::move(left)), m_right(std::move(right)) {}
    // Codes 7 (operand not integral), 9 (# of a non-set), 4 (no operand).
    [[nodiscard]] bool Check(ParseContext& ctx) override { return CheckNode(*this, ctx); }
    // Code 64 for a constant division or remainder by zero.
    RPtr<RawExpr> Gen(ParseContext& ctx) override { return GenNode(*this, ctx); }
    // The type worked out from the operands' types.
    GenType ComputeType() const;
    std::string GetName() const override { return "InducedOp"; }
    int GetToken() const override { return m_operator; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override {
        Release(m_left, out);
        Release(m_right, out);
    }
    GenObj* SpineOperand() override { return m_left.get(); }
    [[nodiscard]] bool CheckRest(ParseContext& ctx) override;
    RPtr<RawExpr> GenRest(ParseContext& ctx, RPtr<RawExpr> left) override;

    GenObj* GetLeft() const { return m_left.get(); }
    GenObj* GetRight() const { return m_right.get(); }

    // Constant folding of one binary operator (token) on two values, 32-bit wrap-around;
    // false for a zero divisor of / and %.
    [[nodiscard]] static bool Fold(int op, int left, int right, int& result);

private:
    int m_operator;
    GenPtr m_left;
    GenPtr m_right;
};
