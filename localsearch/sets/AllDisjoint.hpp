#pragma once
// No value is a member of two arguments. Violation 1000 x overlap, overlap being the sum over
// values of max(0, count - 1), count the member elements holding the value.

#include "localsearch/Con.hpp"
#include "localsearch/SetObj.hpp"
#include "localsearch/sets/MembershipMirror.hpp"

#include <vector>

namespace GLSLib {

class AllDisjoint : public Con {
public:
    explicit AllDisjoint(const std::vector<SetObj*>& args);
    // "AllDisjoint([", the arguments separated by ",", "])".
    std::ostream& Print(std::ostream& os) const override;
    ExprObj* GetArg(int i) const override { return m_args[static_cast<unsigned>(i)]; }
    unsigned NumArgs() const override { return static_cast<unsigned>(m_args.size()); }
    bool TakesElementUpdates() const override { return true; }
    // Initialises the arguments, then rebuilds the mirrors and counts.
    void Initialise() override;
    void UpdateElement(int position, int index, bool isMember) override;
    double GetViolation() const override { return 1000.0 * m_overlap; }
    // 1000 x the sum of the universe sizes of all arguments but the first.
    double GetMaxViolation() const override { return 1000.0 * m_maxOverlap; }
    std::string GetName() const { return "AllDisjoint"; }

private:
    void Rebuild();

    std::vector<SetObj*> m_args;
    MembershipMirror m_mirror;
    std::vector<int> m_counts;
    int m_overlap = 0;
    int m_maxOverlap = 0;
};

} // namespace GLSLib
