#pragma once
// A set expression whose members are the values held by at least `threshold` of its arguments
// (one for a union, all of them for an intersection). It counts, per value, the arguments that
// hold it, so a change of one argument's membership costs one count.

#include "localsearch/SetNaryOp.hpp"
#include "localsearch/sets/MembershipMirror.hpp"

namespace GLSLib {

class MemberCountOp : public SetNaryOp {
public:
    // Initialises the arguments, then rebuilds the counts and the result.
    void Initialise() override;
    void UpdateElement(int position, int index, bool isMember) override;

protected:
    // The mirror indexes values in the same first-seen order as the base's universe, so a
    // value index of the mirror is a universe index of the result.
    MemberCountOp(const std::vector<SetObj*>& args, int threshold);

private:
    void Rebuild();

    MembershipMirror m_mirror;
    // Per universe index (the mirror's value index), the arguments holding it.
    std::vector<int> m_counts;
    int m_threshold;
};

} // namespace GLSLib
