#pragma once
// The comparisons = <> < > <= >=. Two constants fold to a truth value; otherwise a raw
// constraint (codes 9 to 14). In a problem with real variables only =, <= and >= between
// linear expressions over real variables and numbers are allowed.

#include "language/tree/GenOperatorNode.hpp"

namespace TavLanguage {

class GenBinary : public GenOperatorNode {
public:
    GenBinary(int line, int op, GenPtr left, GenPtr right)
        : GenOperatorNode(line, op, std::move(left), std::move(right)) {}
    // Codes 7, 27, 28, and 30, 31 in real problems.
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    std::string GetName() const override { return "Binary"; }
    void Print(std::ostream& out) const override;
    bool ChecksAsWhole(ParseContext& ctx) const override;
    [[nodiscard]] bool CheckRest(ParseContext& ctx) override;
    RPtr<RawExpr> GenRest(ParseContext& ctx, RPtr<RawExpr> left) override;
};

} // namespace TavLanguage
