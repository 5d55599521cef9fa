#pragma once
// element is a member of set (a set variable or a set value).

#include "complete/BinaryConstraint.hpp"

namespace GFCLib {

class MemberCon : public BinaryConstraint {
public:
    MemberCon() = default;
    void Init(CPObject* element, CPObject* set) { SetArgs(element, set); }
    const char* GetName() const override { return "Member"; }
    bool IsSatisfied() const override;
    bool FilterArg(int i) override;

protected:
    // Membership wanted: true here, false for NotMember.
    virtual bool Wanted() const { return true; }
};

} // namespace GFCLib
