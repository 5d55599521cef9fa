#pragma once
// Concatenation of two lists, a ++ b: the elements of a, then those of b.

#include "language/tree/GenObj.hpp"

class GenConcatList : public GenObj {
public:
    GenConcatList(int line, GenPtr left, GenPtr right)
        : GenObj(line), m_left(std::move(left)), m_right(std::move(right)) {}
    // Codes 23 (an operand is not a list), 27 (element types differ).
    [[nodiscard]] bool Check(ParseContext& ctx) override { return CheckNode(*this, ctx); }
    RPtr<RawExpr> Gen(ParseContext& ctx) override { return GenNode(*this, ctx); }
    std::string GetName() const override { return "++"; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override {
        Release(m_left, out);
        Release(m_right, out);
    }
    GenObj* SpineOperand() override { return m_left.get(); }
    [[nodiscard]] bool CheckRest(ParseContext& ctx) override;
    RPtr<RawExpr> GenRest(ParseContext& ctx, RPtr<RawExpr> left) override;

private:
    GenPtr m_left;
    GenPtr m_right;
};
