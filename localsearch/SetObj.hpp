#pragma once
// A set-valued node: a universe of candidate values indexed 0..NumValues()-1, of which some
// are members.

#include "localsearch/ExprObj.hpp"

namespace GLSLib {

class SetObj : public ExprObj {
public:
    virtual int UniverseSize() const = 0;
    // 0 for every set node but a constant set (its size).
    virtual int GetIntValue() const = 0;
    virtual int NumMembers() const = 0;
    // True when value is a member; false for a value outside the universe.
    virtual bool ContainsValue(int value) const = 0;
    virtual int NumValues() const = 0;
    // Whether universe element i is a member (i below NumValues()).
    virtual bool IsMember(int index) const = 0;
    // Universe value i (i below NumValues()).
    virtual int ValueAt(int index) const = 0;
};

} // namespace GLSLib
