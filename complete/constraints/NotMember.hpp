#pragma once
// element is not a member of set (a set variable or a set value).

#include "complete/constraints/MemberCon.hpp"

namespace GFCLib {

class NotMember : public MemberCon {
public:
    const char* GetName() const override { return "NotMember"; }

protected:
    bool Wanted() const override { return false; }
};

} // namespace GFCLib
