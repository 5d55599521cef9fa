#pragma once
// result = max(list): the arguments are the result, then the list (AddResultAndArgs).

#include "complete/constraints/Minimum.hpp"

namespace GFCLib {

class Maximum : public Minimum {
public:
    Maximum() = default;
    const char* GetName() const override { return "Maximum"; }

protected:
    bool IsMax() const override { return true; }
};

} // namespace GFCLib
