#pragma once
// Every member of a is a member of b. Violation 1000 x missing, missing being the number of
// members of a whose value b does not hold; kept per value from the membership events.

#include "localsearch/Con.hpp"
#include "localsearch/SetObj.hpp"
#include "localsearch/sets/MembershipMirror.hpp"

namespace GLSLib {

class Subset : public Con {
public:
    Subset(SetObj* a, SetObj* b);
    // "Subset(", a, ",", b, ")".
    std::ostream& Print(std::ostream& os) const override {
        return os << "Subset(" << *m_a << "," << *m_b << ")";
    }
    // a for 0, b for 1; any other index throws Platform::InternalError.
    ExprObj* GetArg(int i) const override;
    unsigned NumArgs() const override { return 2; }
    bool TakesElementUpdates() const override { return true; }
    // Initialises the arguments, then rebuilds the mirrors and the count.
    void Initialise() override;
    // Throws Platform::InternalError for a position other than 0 and 1.
    void UpdateElement(int position, int index, bool isMember) override;
    double GetViolation() const override { return 1000.0 * m_missing; }
    double GetMaxViolation() const override { return 1000.0 * m_a->NumValues(); }
    std::string GetName() const { return "Subset"; }

private:
    void Rebuild();

    SetObj* m_a;
    SetObj* m_b;
    MembershipMirror m_mirror;
    // Per value index, the member elements of a and of b holding it.
    std::vector<int> m_countA;
    std::vector<int> m_countB;
    int m_missing = 0;
};

} // namespace GLSLib
