#pragma once
// Growable vector of ints: the simplex's lists of basic and non-basic variable numbers.

#include "bridges/lp/NumArray.hpp"

namespace LPLib {

class CIVector : public NumArray<int> {
public:
    using NumArray<int>::NumArray;
};

} // namespace LPLib
