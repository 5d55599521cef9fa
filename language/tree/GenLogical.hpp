#pragma once
// The logical connectives and, or, xor, implies, iff (binary) and not (unary) over constraints,
// boolean variables and truth values. Constant operands fold away.

#include "language/tree/GenOperatorNode.hpp"

namespace TavLanguage {

class GenLogical : public GenOperatorNode {
public:
    GenLogical(int line, int op, GenPtr left, GenPtr right)
        : GenOperatorNode(line, op, std::move(left), std::move(right)) {}
    // Check refuses with codes 21 (operand not a constraint), 22 (soft constraint operand),
    // 31 (real problem).
    std::string GetName() const override { return "Logical"; }
    void Print(std::ostream& out) const override;
    [[nodiscard]] bool CheckRest(ParseContext& ctx) override;
    RPtr<RawExpr> GenRest(ParseContext& ctx, RPtr<RawExpr> left) override;

private:
    void CheckOperand(const GenObj& operand) const;
};

} // namespace TavLanguage
