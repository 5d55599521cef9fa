#pragma once
// Base of the constraints built from other constraints. Their violations are computed from
// the arguments' violations when asked; nothing is cached.

#include "localsearch/Con.hpp"

#include <string>
#include <vector>

namespace GLSLib {

class LogicalCon : public Con {
public:
    explicit LogicalCon(const std::vector<Con*>& args);
    LogicalCon(Con* a, Con* b);
    // With two arguments: "(", first, name, second, ")"; otherwise name, "([", the arguments
    // separated by ",", "])".
    std::ostream& Print(std::ostream& os) const override;
    ExprObj* GetArg(int i) const override { return m_args[static_cast<unsigned>(i)]; }
    unsigned NumArgs() const override { return static_cast<unsigned>(m_args.size()); }
    bool IsLogical() const override { return true; }
    // The argument at position now has the given violation: passes the change on to every
    // dependent, as Con::Update does.
    virtual void UpdateViolation(int position, int violation);
    virtual std::string GetName() const = 0;

protected:
    std::vector<Con*> m_args;
};

} // namespace GLSLib
