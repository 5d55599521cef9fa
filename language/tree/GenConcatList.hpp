#pragma once
// Concatenation of two lists, a ++ b: the elements of a, then those of b.

#include "language/tree/GenOperatorNode.hpp"

namespace TavLanguage {

class GenConcatList : public GenOperatorNode {
public:
    GenConcatList(int line, GenPtr left, GenPtr right)
        : GenOperatorNode(line, -1, std::move(left), std::move(right)) {}
    // Check refuses with codes 23 (an operand is not a list), 27 (element types differ).
    std::string GetName() const override { return "++"; }
    void Print(std::ostream& out) const override;
    [[nodiscard]] bool CheckRest(ParseContext& ctx) override;
    RPtr<RawExpr> GenRest(ParseContext& ctx, RPtr<RawExpr> left) override;
};

} // namespace TavLanguage
