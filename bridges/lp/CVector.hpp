#pragma once
// Growable vector of doubles: the coefficient rows of the linear-programming library, and the
// supplies and demands of the workbench's transportation wizard.

#include "bridges/lp/NumArray.hpp"

namespace LPLib {

class CVector : public NumArray<double> {
public:
    using NumArray<double>::NumArray;
};

} // namespace LPLib
