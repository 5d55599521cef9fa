#pragma once
// Base of the constraints over a list of integer expressions.

#include "localsearch/Con.hpp"

#include <string>
#include <vector>

namespace GLSLib {

class NaryIntCon : public Con {
public:
    explicit NaryIntCon(const std::vector<IntObj*>& args);
    // Name, "([", the arguments separated by ",", "])".
    std::ostream& Print(std::ostream& os) const override;
    ExprObj* GetArg(int i) const override { return m_args[static_cast<unsigned>(i)]; }
    unsigned NumArgs() const override { return static_cast<unsigned>(m_args.size()); }
    virtual std::string GetName() const = 0;

protected:
    std::vector<IntObj*> m_args;
};

} // namespace GLSLib
