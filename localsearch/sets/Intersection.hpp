#pragma once
// The intersection of set expressions: a value is a member when every argument holds it.

#include "localsearch/SetNaryOp.hpp"
#include "localsearch/sets/MembershipMirror.hpp"

namespace GLSLib {

class Intersection : public SetNaryOp {
public:
    explicit Intersection(const std::vector<SetObj*>& args);
    std::string GetName() const override { return "Intersection"; }
    // Initialises the arguments, then rebuilds the counts and the result.
    void Initialise() override;
    void UpdateElement(int position, int index, bool isMember) override;

private:
    void Rebuild();

    MembershipMirror m_mirror;
    std::vector<int> m_counts;
};

} // namespace GLSLib
