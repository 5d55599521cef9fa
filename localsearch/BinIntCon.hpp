#pragma once
// Base of the constraints over two integer expressions (left a, right b).

#include "localsearch/Con.hpp"

#include <string>

namespace GLSLib {

class BinIntCon : public Con {
public:
    BinIntCon(IntObj* left, IntObj* right);
    // Infix: left, name, right; postfix: "(", left, ",", right, ")", name; prefix: name,
    // "(", left, ",", right, ")".
    std::ostream& Print(std::ostream& os) const override;
    // Argument 0 is the left operand, any other index the right.
    ExprObj* GetArg(int i) const override { return i == 0 ? m_left : m_right; }
    unsigned NumArgs() const override { return 2; }
    virtual bool IsPrefix() const { return false; }
    virtual bool IsPostfix() const { return false; }
    virtual bool IsInfix() const { return true; }
    virtual std::string GetName() const = 0;

protected:
    IntObj* m_right;
    IntObj* m_left;
};

} // namespace GLSLib
