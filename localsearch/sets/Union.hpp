#pragma once
// The union of set expressions: a value is a member when at least one argument holds it.

#include "localsearch/sets/MemberCountOp.hpp"

namespace GLSLib {

class Union : public MemberCountOp {
public:
    explicit Union(const std::vector<SetObj*>& args) : MemberCountOp(args, 1) {}
    std::string GetName() const override { return "Union"; }
};

} // namespace GLSLib
