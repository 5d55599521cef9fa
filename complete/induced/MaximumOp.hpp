#pragma once
// The induced variable max(x_1, ..., x_n).

#include "complete/induced/MinimumOp.hpp"

namespace GFCLib {

class MaximumOp : public MinimumOp {
public:
    template <typename T> explicit MaximumOp(const std::vector<T*>& list) {
        InitList(std::vector<CPObject*>(list.begin(), list.end()), true);
    }
};

} // namespace GFCLib
