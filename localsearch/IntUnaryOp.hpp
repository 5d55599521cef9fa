#pragma once
// Base of the integer operators over one argument.

#include "localsearch/IntComp.hpp"

#include <string>

namespace GLSLib {

class IntUnaryOp : public IntComp {
public:
    explicit IntUnaryOp(IntObj* x) : m_arg(x) { AttachToArguments(); }
    // Name, "(", the argument, ")".
    std::ostream& Print(std::ostream& os) const override { return os << GetName() << "(" << *m_arg << ")"; }
    // The argument, whatever the index.
    ExprObj* GetArg(int) const override { return m_arg; }
    unsigned NumArgs() const override { return 1; }
    virtual std::string GetName() const = 0;

protected:
    IntObj* m_arg;
};

} // namespace GLSLib
