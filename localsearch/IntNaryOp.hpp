#pragma once
// Base of the integer operators over a list of arguments.

#include "localsearch/IntComp.hpp"

#include <string>
#include <vector>

namespace GLSLib {

class IntNaryOp : public IntComp {
public:
    explicit IntNaryOp(const std::vector<IntObj*>& args) : m_args(args) { AttachToArguments(); }
    // Name, "([", the arguments separated by ",", "])".
    std::ostream& Print(std::ostream& os) const override;
    ExprObj* GetArg(int i) const override { return m_args[static_cast<unsigned>(i)]; }
    unsigned NumArgs() const override { return static_cast<unsigned>(m_args.size()); }
    virtual std::string GetName() const = 0;

protected:
    std::vector<IntObj*> m_args;
};

} // namespace GLSLib
