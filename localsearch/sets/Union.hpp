#pragma once
// The union of set expressions: a value is a member when at least one argument holds it.

#include "localsearch/SetNaryOp.hpp"
#include "localsearch/sets/MembershipMirror.hpp"

namespace GLSLib {

class Union : public SetNaryOp {
public:
    explicit Union(const std::vector<SetObj*>& args);
    std::string GetName() const override { return "Union"; }
    // Initialises the arguments, then rebuilds the counts and the result.
    void Initialise() override;
    void UpdateElement(int position, int index, bool isMember) override;

private:
    void Rebuild();

    MembershipMirror m_mirror;
    // Per universe index (the mirror's value index), the member elements holding it.
    std::vector<int> m_counts;
};

} // namespace GLSLib
