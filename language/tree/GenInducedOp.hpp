#pragma once
// Integer arithmetic: binary - + * / %, unary - and the cardinality # of a set. Folds to a
// constant wherever both operands are integer constants; folding is 32-bit with wrap-around.

#include "language/tree/GenOperatorNode.hpp"

namespace TavLanguage {

class GenInducedOp : public GenOperatorNode {
public:
    GenInducedOp(int line, int op, GenPtr left, GenPtr right)
        : GenOperatorNode(line, op, std::move(left), std::move(right)) {}
    // Check refuses with codes 7 (operand not integral), 9 (# of a non-set), 4 (no operand);
    // Gen with code 64 for a constant division or remainder by zero.

    // The type worked out from the operands' types.
    GenType ComputeType() const;
    std::string GetName() const override { return "InducedOp"; }
    void Print(std::ostream& out) const override;
    [[nodiscard]] bool CheckRest(ParseContext& ctx) override;
    RPtr<RawExpr> GenRest(ParseContext& ctx, RPtr<RawExpr> left) override;

    // Constant folding of one binary operator (token) on two values, 32-bit wrap-around;
    // false for a zero divisor of / and %.
    [[nodiscard]] static bool Fold(int op, int left, int right, int& result);
};

} // namespace TavLanguage
