#pragma once
// The intersection of set expressions: a value is a member when every argument holds it.

#include "localsearch/sets/MemberCountOp.hpp"

namespace GLSLib {

class Intersection : public MemberCountOp {
public:
    explicit Intersection(const std::vector<SetObj*>& args)
        : MemberCountOp(args, static_cast<int>(args.size())) {}
    std::string GetName() const override { return "Intersection"; }
};

} // namespace GLSLib
