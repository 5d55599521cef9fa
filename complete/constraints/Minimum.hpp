#pragma once
// result = min(list): the arguments are the result, then the list (AddResultAndArgs); with
// isMax the maximum (the Maximum kind).

#include "complete/GeneralConstraint.hpp"

namespace GFCLib {

class Minimum : public GeneralConstraint {
public:
    Minimum() = default;
    const char* GetName() const override { return "Minimum"; }
    bool IsSatisfied() const override;

protected:
    virtual bool IsMax() const { return false; }
};

} // namespace GFCLib
