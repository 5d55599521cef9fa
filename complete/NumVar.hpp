#pragma once
// A finite variable whose values are numbers.

#include "complete/FiniteVar.hpp"

namespace GFCLib {

class NumVar : public FiniteVar {
public:
    using FiniteVar::FiniteVar;
    bool IsNumeric() const override { return true; }
};

} // namespace GFCLib
