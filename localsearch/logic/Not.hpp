#pragma once
// Negation of a constraint (or of any 0/1 expression): violation 1000 when the argument's
// value is 1, else 0; 2000 while the argument is undefined.

#include "localsearch/Con.hpp"

namespace GLSLib {

class Not : public Con {
public:
    explicit Not(IntObj* c) : m_arg(c) { AttachToArguments(); }
    // "NOT(", the argument, ")".
    std::ostream& Print(std::ostream& os) const override { return os << "NOT(" << *m_arg << ")"; }
    ExprObj* GetArg(int) const override { return m_arg; }
    unsigned NumArgs() const override { return 1; }
    double GetViolation() const override {
        const IntResult v = m_arg->Value();
        if (!v) return GetMaxViolation();
        return *v == 1 ? 1000.0 : 0.0;
    }
    double GetMaxViolation() const override { return 2000.0; }

private:
    IntObj* m_arg;
};

} // namespace GLSLib
