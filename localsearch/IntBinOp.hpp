#pragma once
// Base of the integer operators over two arguments (left a, right b).

#include "localsearch/IntComp.hpp"

#include <string>

namespace GLSLib {

class IntBinOp : public IntComp {
public:
    IntBinOp(IntObj* left, IntObj* right) : m_right(right), m_left(left) { AttachToArguments(); }
    // Infix: "(", left, name, right, ")"; postfix and prefix as BinIntCon.
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
