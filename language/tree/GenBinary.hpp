#pragma once
// The comparisons = <> < > <= >=. Two constants fold to a truth value; otherwise a raw
// constraint (codes 9 to 14). In a problem with real variables only =, <= and >= between
// linear expressions over real variables and numbers are allowed.

#include "language/tree/GenObj.hpp"

class GenBinary : public GenObj {
public:
    GenBinary(int line, int op, GenPtr left, GenPtr right)
        : GenObj(line), m_operator(op), m_left(std::move(left)), m_right(std::move(right)) {}
    // Codes 7, 27, 28, and 30, 31 in real problems.
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    RPtr<RawExpr> Gen(ParseContext& ctx) override { return GenNode(*this, ctx); }
    std::string GetName() const override { return "Binary"; }
    int GetToken() const override { return m_operator; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override {
        Release(m_left, out);
        Release(m_right, out);
    }
    GenObj* SpineOperand() override { return m_left.get(); }
    bool ChecksAsWhole(ParseContext& ctx) const override;
    [[nodiscard]] bool CheckRest(ParseContext& ctx) override;
    RPtr<RawExpr> GenRest(ParseContext& ctx, RPtr<RawExpr> left) override;

private:
    int m_operator;
    GenPtr m_left;
    GenPtr m_right;
};
