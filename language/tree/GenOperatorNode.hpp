#pragma once
// A node over a left operand and an optional right one: the binary and unary operators and
// list concatenation. It owns both, frees them without recursion, and lets long left-leaning
// chains be checked and generated with a loop through the left operand.

#include "language/tree/GenObj.hpp"

namespace TavLanguage {

class GenOperatorNode : public GenObj {
public:
    // `op` is the operator's token, -1 for a node that has none.
    GenOperatorNode(int line, int op, GenPtr left, GenPtr right)
        : GenObj(line), m_operator(op), m_left(std::move(left)), m_right(std::move(right)) {}

    [[nodiscard]] bool Check(ParseContext& ctx) override { return CheckNode(*this, ctx); }
    RPtr<RawExpr> Gen(ParseContext& ctx) override { return GenNode(*this, ctx); }
    int GetToken() const override { return m_operator; }
    void ReleaseChildren(std::vector<GenObj*>& out) override {
        Release(m_left, out);
        Release(m_right, out);
    }
    GenObj* SpineOperand() override { return m_left.get(); }

    GenObj* GetLeft() const { return m_left.get(); }
    // Null for a unary operator.
    GenObj* GetRight() const { return m_right.get(); }

protected:
    int m_operator;
    GenPtr m_left;
    GenPtr m_right;
};

} // namespace TavLanguage
